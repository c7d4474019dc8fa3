#include "page_count.h"

#include "core_messages.h"
#include "number_text.h"

namespace plicora {
namespace {

// Division rounding towards minus infinity, which C++'s "/" doesn't do for negatives.
int floorDiv(int a, int b) {
    return a / b - (a % b != 0 && a < 0 ? 1 : 0);
}

} // namespace

PageCountCheck checkPageCount(Page pageCount, Mode mode) {
    const int q = pagesPerSheet(mode);
    if (pageCount % q == 0)
        return {.pageCount = pageCount};
    const int rounded = (floorDiv(pageCount, q) + 1) * q;
    return {.pageCount = checkedPage(rounded),
            .adjusted = true,
            .pageCountText = decimalText(rounded),
            .pageWarning = pageWarning(mode)};
}

int sheetCount(Page pageCount, Mode mode) {
    return floorDiv(pageCount, pagesPerSheet(mode));
}

int signatureCount(Page pageCount, Mode mode, int sheetsPerSignature) {
    const int sheets = sheetCount(pageCount, mode);
    if (sheets <= 0)
        return 0;
    return sheetsPerSignature > 0 ? (sheets + sheetsPerSignature - 1) / sheetsPerSignature : 1;
}

} // namespace plicora
