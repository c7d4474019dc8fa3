#pragma once

namespace plicora {

inline constexpr const char* cannotOpenMessage = "Impossibile aprire il file specificato";
inline constexpr const char* writeFailedMessage = "Errore durante la scrittura del file";
inline constexpr const char* outputWriteFailedMessage =
    "Errore durante la scrittura sull'uscita standard";
inline constexpr const char* samePairMessage =
    "I due file da scrivere sono lo stesso file: forse uno \u00e8 un collegamento all'altro";
// What standard output is called where a message names the file.
inline constexpr const char* standardOutputName = "uscita standard";

// Why a file could not be opened or written, in Italian, for the errno values a user meets;
// nullptr for the others.
const char* fileErrorReason(int error);

} // namespace plicora
