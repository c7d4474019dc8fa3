#include "eight_up.h"

#include "page_count.h"

#include <algorithm>

namespace plicora {

EightUpSequence::EightUpSequence(Page pageCount, Page firstPageOffset)
    : pageCount_(pageCount), offset_(firstPageOffset),
      sheets_(std::max(0, sheetCount(pageCount, Mode::EightUp))) {
    // Every page 1..N appears once, so checking both ends covers every quad.
    if (sheets_ > 0) {
        checkedPage(1 + offset_);
        checkedPage(pageCount_ + offset_);
    }
}

SheetQuad EightUpSequence::shifted(int a, int b, int c, int d) const {
    return {static_cast<Page>(a + offset_), static_cast<Page>(b + offset_),
            static_cast<Page>(c + offset_), static_cast<Page>(d + offset_)};
}

SheetQuad EightUpSequence::front(int sheet) const {
    const int p1 = pageCount_ - 4 * sheet + 3;
    const int p3 = 4 * sheet - 3;
    return shifted(p1, p1 + 1, p3, p3 + 1);
}

SheetQuad EightUpSequence::back(int sheet) const {
    const int q1 = 4 * sheet - 1;
    const int q3 = pageCount_ - 4 * sheet + 1;
    return shifted(q1, q1 + 1, q3, q3 + 1);
}

} // namespace plicora
