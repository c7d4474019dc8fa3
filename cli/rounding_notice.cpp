#include "rounding_notice.h"

#include "console.h"

namespace plicora {

void printRoundingNotice(const PageCountCheck& check) {
    if (!check.adjusted)
        return;
    printErrorLine("Numero totale di pagine: " + check.pageCountText);
    printErrorLine(check.pageWarning);
}

} // namespace plicora
