#pragma once

#include "core/sheet_sides.h"

#include <string>
#include <string_view>

namespace plicora {

// The listing of `sides` for the output box, its lines ended by LF: in four-up mode the front and
// back runs, then sheet by sheet; in eight-up mode a front line and a back line per sheet, to
// append to the box.
std::string renderListing(const SheetSides& sides, std::string_view separator);

} // namespace plicora
