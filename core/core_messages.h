#pragma once

#include "page.h"

#include <string>

namespace plicora {

// Told after the rounding notice when the job is cut into several signatures.
inline constexpr const char* blanksInLastSignatureMessage =
    "Le pagine bianche vanno in fondo all'ultimo fascicolo";
inline constexpr const char* blanksBeforeBackCoverInLastSignatureMessage =
    "Le pagine bianche vanno prima dell'ultima pagina dell'ultimo fascicolo";

// Where the blanks that round a booklet up go: at the end, or just before the back cover.
inline constexpr const char* blanksAtEndText = "in fondo";
inline constexpr const char* blanksBeforeBackCoverText =
    "prima dell'ultima pagina, che resta la quarta di copertina";

// A number or a page that leaves the 16-bit range.
std::string overflowMessage();

// A four-up request of more sheets than its tables were ever meant to hold.
std::string tooManyPagesMessage();

// The warning a window shows when the page count was rounded up to whole sheets of `mode`.
std::string pageWarning(Mode mode);

} // namespace plicora
