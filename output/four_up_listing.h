#pragma once

#include "core/four_up.h"

#include <string>
#include <string_view>

namespace plicora {

// The four-up listing for the output box: the front and back runs, then sheet by sheet.
std::string renderFourUpListing(const FourUpSequence& sequence, std::string_view separator);

} // namespace plicora
