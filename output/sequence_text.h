#pragma once

#include "core/sheet_sides.h"
#include "text_buffer.h"

#include <span>
#include <string_view>

namespace plicora {

// Appends the label "Foglio N.<number>) ", the number as `appendNumber` writes it; returns the
// label's length, which is the indent of the line under it.
std::size_t appendSheetLabel(TextBuffer& out, int number, void (TextBuffer::*appendNumber)(int));

// Appends a side's pages in signed-number form with `separator` between them.
void appendQuad(TextBuffer& out, const SheetSide& side, std::string_view separator);

// Appends side `face` of every sheet, page by page in decimal form, each followed by
// `separator`. With `perLine` above 0, every `perLine` pages end the line and leave an empty one
// after it, with `lineEnd`.
void appendRun(TextBuffer& out, std::span<const Sheet> sheets, Face face,
               std::string_view separator, int perLine = 0, std::string_view lineEnd = {});

} // namespace plicora
