#pragma once

#include "page.h"

#include <string>

namespace plicora {

// Told after the rounding notice when the job is cut into several signatures.
inline constexpr const char* blanksInLastSignatureMessage =
    "Le pagine bianche vanno in fondo all'ultimo fascicolo";

// A number or a page that leaves the 16-bit range.
std::string overflowMessage();

// A four-up request of more sheets than its tables were ever meant to hold.
std::string tooManyPagesMessage();

// The warning a window shows when the page count was rounded up to whole sheets of `mode`.
std::string pageWarning(Mode mode);

} // namespace plicora
