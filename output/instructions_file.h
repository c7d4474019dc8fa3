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

} // namespace plicora
