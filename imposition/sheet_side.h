#pragma once

#include "core/page.h"

#include <array>
#include <vector>

namespace plicora {

// The document pages (1-based) on one side of a sheet, in the order its cells are filled.
struct SheetSide {
    std::array<int, 4> pages{};
    int count = 0;
};

// Every front and every back of a booklet, in the listing's order.
struct BookletSides {
    std::vector<SheetSide> fronts;
    std::vector<SheetSide> backs;
};

// The sides of a booklet of `pageCount` pages, already rounded to whole sheets, from the same
// sequences as the listings and with no first-page offset. Throws UserError as they do.
BookletSides bookletSides(Mode mode, Page pageCount);

} // namespace plicora
