#pragma once

namespace plicora {

inline constexpr const char* cannotOpenMessage = "Impossibile aprire il file specificato";
inline constexpr const char* writeFailedMessage = "Errore durante la scrittura del file";
inline constexpr const char* standardOutputFailedMessage =
    "Errore durante la scrittura sull'uscita standard";

} // namespace plicora
