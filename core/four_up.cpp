#include "four_up.h"

#include "core_messages.h"
#include "page_count.h"
#include "user_error.h"

namespace plicora {

FourUpSequence computeFourUp(Page pageCount, Page firstPageOffset) {
    const int sheets = sheetCount(pageCount, Mode::FourUp);
    if (sheets > fourUpMaxSheets)
        throw UserError(tooManyPagesMessage());
    FourUpSequence sequence;
    const int n = pageCount;
    for (int s = 1; s <= sheets; ++s) {
        const int k = 2 * s - 1;
        sequence.front[k] = checkedPage(n - 2 * s + 2 + firstPageOffset);
        sequence.front[k + 1] = checkedPage(2 * s - 1 + firstPageOffset);
        sequence.back[k] = checkedPage(2 * s + firstPageOffset);
        sequence.back[k + 1] = checkedPage(n - 2 * s + 1 + firstPageOffset);
    }
    sequence.entries = sheets > 0 ? 2 * sheets : 0;
    return sequence;
}

} // namespace plicora
