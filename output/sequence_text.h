#pragma once

#include "core/eight_up.h"

#include <string>
#include <string_view>

namespace plicora {

inline constexpr std::string_view crlf = "\r\n";

// Appends the label "Foglio N.<number>) ", the number as `appendNumber` writes it; returns the
// label's length, which is the indent of the line under it.
std::size_t appendSheetLabel(std::string& out, int number, void (*appendNumber)(std::string&, int));

// Appends a quad in signed-number form with `separator` between its numbers.
void appendQuad(std::string& out, const SheetQuad& quad, std::string_view separator);

} // namespace plicora
