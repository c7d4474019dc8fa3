#pragma once

#include <string_view>

namespace plicora {

inline constexpr const char* cannotOpenMessage = "Impossibile aprire il file specificato";
inline constexpr const char* writeFailedMessage = "Errore durante la scrittura del file";

// Creates or empties the file at `utf8Path` and writes `content` to it. Throws CalculationError
// with cannotOpenMessage when the file can't be opened, or writeFailedMessage when writing or
// closing it fails.
void writeFile(std::string_view utf8Path, std::string_view content);

} // namespace plicora
