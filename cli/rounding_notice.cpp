#include "rounding_notice.h"

#include "console/console.h"
#include "core/core_messages.h"

namespace plicora {

void printRoundingNotice(const PageCountCheck& check, int signatures) {
    if (!check.adjusted)
        return;
    printErrorLine("Numero totale di pagine: " + check.pageCountText);
    printErrorLine(check.pageWarning);
    if (signatures > 1)
        printErrorLine(blanksInLastSignatureMessage);
}

} // namespace plicora
