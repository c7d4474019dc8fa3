#pragma once

#include "page.h"

#include <array>
#include <vector>

namespace plicora {

// Most four-up sheets a calculation takes, the capacity its page order was always meant for.
inline constexpr int fourUpMaxSheets = 500;

enum class Face { Front, Back };

// The pages on one side of a sheet, in the order its cells are filled and listed: left and right
// in four-up mode; the eight-up quad in eight-up mode.
struct SheetSide {
    std::array<Page, 4> pages{};
    int cells = 0;
    // Bit i set: cell i holds a blank page added to fill the last sheet.
    unsigned blanks = 0;

    // Whether cell `cell` holds a blank page.
    bool isBlank(int cell) const { return (blanks >> cell) & 1u; }
    friend bool operator==(const SheetSide&, const SheetSide&) = default;
};

// One sheet of the stack, numbered from 1 in printing order.
struct Sheet {
    int number = 0;
    SheetSide front;
    SheetSide back;

    // The side `face` of the sheet.
    const SheetSide& side(Face face) const { return face == Face::Front ? front : back; }
};

// Every sheet of a booklet in printing order: what the listings, the instructions file and the
// booklet PDF all render.
struct SheetSides {
    Mode mode = Mode::FourUp;
    std::vector<Sheet> sheets;
};

// The sheets for `pageCount` pages, already rounded to whole sheets of `mode`, each page shifted
// by `firstPageOffset`; document pages after `documentPages` are the blanks that fill the last
// sheet. No sheets for a count of zero or less. Throws UserError for more than fourUpMaxSheets
// four-up sheets, or when a shifted page leaves 16 bits.
SheetSides sheetSides(Mode mode, Page pageCount, Page firstPageOffset, int documentPages);

} // namespace plicora
