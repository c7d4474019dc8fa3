#pragma once

#include "page.h"

namespace plicora {

// The four page numbers on one side of an eight-up sheet, in listing order.
struct SheetQuad {
    Page p1 = 0, p2 = 0, p3 = 0, p4 = 0;
    friend bool operator==(const SheetQuad&, const SheetQuad&) = default;
};

// The eight-up sheets of a checked page count, worked out on demand: nothing is stored
// per sheet.
class EightUpSequence {
public:
    // Throws UserError when a page shifted by the offset leaves 16 bits.
    EightUpSequence(Page pageCount, Page firstPageOffset);

    // Sheets 1..sheets() exist; none when the page count is zero or less.
    int sheets() const { return sheets_; }
    // The front of sheet `sheet` (1-based).
    SheetQuad front(int sheet) const;
    // The back of sheet `sheet` (1-based).
    SheetQuad back(int sheet) const;

private:
    SheetQuad shifted(int a, int b, int c, int d) const;

    int pageCount_;
    int offset_;
    int sheets_;
};

} // namespace plicora
