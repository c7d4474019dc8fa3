#include "paper.h"

#include <algorithm>
#include <cmath>

namespace plicora {

std::optional<NamedPaper> namedPaper(const Paper& paper) {
    for (const NamedPaper& named : namedPapers)
        if (named.paper == paper)
            return named;
    return std::nullopt;
}

SideSize sideSize(const Paper& paper) {
    int width = 0, height = 0;
    if (const auto named = namedPaper(paper)) {
        width = named->widthPoints;
        height = named->heightPoints;
    } else {
        // 72 points to the inch of 2,540 hundredths of a millimetre.
        width = static_cast<int>(std::lround(paper.width * 72.0 / 2540));
        height = static_cast<int>(std::lround(paper.height * 72.0 / 2540));
    }
    return {std::max(width, height), std::min(width, height)};
}

std::optional<NamedPaper> pagePaper(double width, double height) {
    constexpr double tolerance = 2;
    const double narrow = std::min(width, height), wide = std::max(width, height);
    for (const NamedPaper& named : namedPapers)
        if (std::abs(narrow - named.widthPoints) <= tolerance &&
            std::abs(wide - named.heightPoints) <= tolerance)
            return named;
    return std::nullopt;
}

CellSize cellSize(Mode mode, SideSize size) {
    return {size.width / 2.0, mode == Mode::FourUp ? size.height : size.height / 2.0};
}

std::string mediaName(const Paper& paper) {
    if (const auto named = namedPaper(paper))
        return std::string(named->media);
    const int shorter = std::min(paper.width, paper.height) / 100;
    const int longer = std::max(paper.width, paper.height) / 100;
    const std::string size = std::to_string(shorter) + "x" + std::to_string(longer) + "mm";
    return "custom_" + size + "_" + size;
}

} // namespace plicora
