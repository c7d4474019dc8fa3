#pragma once

#include "core/eight_up.h"

#include <string>
#include <string_view>

namespace plicora {

inline constexpr std::string_view crlf = "\r\n";

// Appends a quad in signed-number form with `separator` between its numbers.
void appendQuad(std::string& out, const SheetQuad& quad, std::string_view separator);

} // namespace plicora
