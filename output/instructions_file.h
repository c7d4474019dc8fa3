#pragma once

#include "core/sheet_sides.h"

#include <string>
#include <string_view>

namespace plicora {

// The instructions file's 8-bit text, its lines ended by CR LF: the print-dialog settings of
// `sides`' mode, then the front and back sequences. The separator is written in windows-1252.
std::string renderInstructions(const SheetSides& sides, std::string_view separator);

} // namespace plicora
