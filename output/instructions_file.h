#pragma once

#include "core/eight_up.h"
#include "core/four_up.h"

#include <string>
#include <string_view>

namespace plicora {

// The four-up instructions file's 8-bit text: print-dialog settings, then the front and back
// runs. The separator is written in windows-1252.
std::string renderInstructions(const FourUpSequence& sequence, std::string_view separator);

// The eight-up instructions file's 8-bit text: print-dialog settings, then a line per sheet side.
std::string renderInstructions(const EightUpSequence& sequence, std::string_view separator);

// Creates or empties the file at `utf8Path` and writes `content` to it. Throws CalculationError
// when the file can't be opened, or when writing or closing it fails.
void writeInstructionsFile(std::string_view utf8Path, std::string_view content);

} // namespace plicora
