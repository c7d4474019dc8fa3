#pragma once

// What the booklet window tells the user, in Italian.
namespace plicora {

inline constexpr const char* previewFolderMessage =
    "Anteprima non disponibile: impossibile creare una cartella temporanea";
inline constexpr const char* previewUnreadableMessage =
    "Anteprima non disponibile: Qt PDF non legge l'opuscolo";
inline constexpr const char* previewWaitingText = "Anteprima in preparazione\u2026";
inline constexpr const char* pageCountUnreadableText =
    "Pagine: non lette (Qt PDF non legge il documento)";
inline constexpr const char* noBlanksText = "Nessuna pagina bianca da aggiungere";
inline constexpr const char* cancelledText = "Annullato: nessun file scritto.";
inline constexpr const char* createdText = "Opuscolo creato:";
inline constexpr const char* cannotOpenFileMessage =
    "Impossibile aprire il file con il visualizzatore PDF";
inline constexpr const char* cannotOpenFolderMessage = "Impossibile aprire la cartella";
inline constexpr const char* saveTitle = "Salva l'opuscolo";
inline constexpr const char* chooseTitle = "Scegli il PDF da impaginare";
inline constexpr const char* pdfFilter = "Documenti PDF (*.pdf *.PDF)";

// How to turn the sheet, for a duplex printer and without one, then how to fold it.
inline constexpr const char* duplexTurnText = "Stampa in fronte-retro girando sul lato corto.";
inline constexpr const char* separateTurnText =
    "Stampa i fronti, rimetti la pila nel vassoio girandola sul lato corto, poi stampa i retri.";
inline constexpr const char* fourUpFoldText = "Poi piega la pila dei fogli a met\u00e0.";
inline constexpr const char* eightUpFoldText =
    "Poi piega ogni foglio a met\u00e0: ogni facciata dell'opuscolo porta due pagine, una sopra "
    "l'altra.";

} // namespace plicora
