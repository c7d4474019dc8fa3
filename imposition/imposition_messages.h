#pragma once

namespace plicora {

inline constexpr const char* cannotOpenDocumentMessage =
    "Impossibile aprire il documento specificato";
inline constexpr const char* notPdfMessage = "Il documento specificato non è un file PDF";
inline constexpr const char* damagedPdfMessage =
    "Il documento PDF è danneggiato e non può essere letto";
inline constexpr const char* passwordMessage =
    "Il documento PDF è protetto da una password e non può essere letto";
inline constexpr const char* noPagesMessage = "Il documento PDF non contiene pagine";
inline constexpr const char* outputIsInputMessage =
    "Il file di uscita non può essere il documento stesso";

} // namespace plicora
