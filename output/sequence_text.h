#pragma once

#include "core/eight_up.h"
#include "core/four_up.h"
#include "text_buffer.h"

#include <string_view>

namespace plicora {

inline constexpr std::string_view crlf = "\r\n";

// Appends the label "Foglio N.<number>) ", the number as `appendNumber` writes it; returns the
// label's length, which is the indent of the line under it.
std::size_t appendSheetLabel(TextBuffer& out, int number, void (TextBuffer::*appendNumber)(int));

// Appends a quad in signed-number form with `separator` between its numbers.
void appendQuad(TextBuffer& out, const SheetQuad& quad, std::string_view separator);

// Appends positions 1..entries of `table` in decimal form, each followed by `separator`. With
// `perLine` above 0, every `perLine` entries end the line and leave an empty one after it.
void appendRun(TextBuffer& out, const PageTable& table, int entries, std::string_view separator,
               int perLine = 0);

} // namespace plicora
