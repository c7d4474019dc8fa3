#pragma once

#include "core/eight_up.h"
#include "core/four_up.h"

#include <string>
#include <string_view>

namespace plicora {

// The four-up listing for the output box: the front and back runs, then sheet by sheet.
std::string renderListing(const FourUpSequence& sequence, std::string_view separator);

// The eight-up listing: a front line and a back line per sheet, to append to the output box.
std::string renderListing(const EightUpSequence& sequence, std::string_view separator);

} // namespace plicora
