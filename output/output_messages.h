#pragma once

namespace plicora {

inline constexpr const char* listingTooLongMessage =
    "La casella delle sequenze \u00e8 piena: cancellarne il testo o chiudere la finestra per "
    "svuotarla";
inline constexpr const char* outOfMemoryMessage = "Memoria insufficiente per completare il calcolo";

} // namespace plicora
