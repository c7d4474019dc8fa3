#pragma once

#include "page.h"

#include <array>

namespace plicora {

// Most four-up sheets a calculation takes: its tables hold 1000 entries each.
inline constexpr int fourUpMaxSheets = 500;

// Page numbers by position 1..1000; position 0 is never used.
using PageTable = std::array<Page, 2 * fourUpMaxSheets + 1>;
using FrontTable = PageTable;
using BackTable = PageTable;

// The four-up booklet: positions 2s-1 and 2s hold the left and right pages of sheet s.
struct FourUpSequence {
    FrontTable front{};
    BackTable back{};
    int entries = 0; // K = 2 x sheets; positions 1..K are filled
};

// The booklet for a checked page count and a first-page offset. Throws UserError
// for more than 500 sheets, before any entry is written, or when a page leaves 16 bits.
FourUpSequence computeFourUp(Page pageCount, Page firstPageOffset);

} // namespace plicora
