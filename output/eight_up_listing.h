#pragma once

#include "core/eight_up.h"

#include <string>
#include <string_view>

namespace plicora {

// The eight-up listing: a front line and a back line per sheet, to append to the output box.
std::string renderEightUpListing(const EightUpSequence& sequence, std::string_view separator);

} // namespace plicora
