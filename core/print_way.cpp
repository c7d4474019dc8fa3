#include "print_way.h"

namespace plicora {

std::optional<PrintWay> printWay(const BookletJob& job, const Printer& printer) {
    if (job.testSheet || (!printer.shortEdge && !printer.longEdge))
        return PrintWay::ByHand;
    const bool shortEdge = job.edge ? *job.edge == Edge::Short : printer.shortEdge;
    if (shortEdge ? !printer.shortEdge : !printer.longEdge)
        return std::nullopt;
    return shortEdge ? PrintWay::ShortEdge : PrintWay::LongEdge;
}

} // namespace plicora
