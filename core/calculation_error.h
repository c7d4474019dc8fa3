#pragma once

#include <stdexcept>

namespace plicora {

// A calculation that can't go on; what() is the Italian message for the user.
class CalculationError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

inline constexpr const char* overflowMessage =
    "Numero fuori dai limiti consentiti (da -32768 a 32767)";
inline constexpr const char* tooManyPagesMessage =
    "Il numero di pagine supera il massimo di 2000 (500 fogli) per la stampa a 4 pagine per "
    "foglio";
inline constexpr const char* cannotOpenMessage = "Impossibile aprire il file specificato";
inline constexpr const char* writeFailedMessage = "Errore durante la scrittura del file";

} // namespace plicora
