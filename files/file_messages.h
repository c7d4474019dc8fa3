#pragma once

namespace plicora {

inline constexpr const char* cannotOpenMessage = "Impossibile aprire il file specificato";
inline constexpr const char* writeFailedMessage = "Errore durante la scrittura del file";

} // namespace plicora
