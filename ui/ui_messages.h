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
inline constexpr const char* testSheetCreatedText = "Foglio di prova creato:";
inline constexpr const char* cannotOpenFileMessage =
    "Impossibile aprire il file con il visualizzatore PDF";
inline constexpr const char* cannotOpenFolderMessage = "Impossibile aprire la cartella";
inline constexpr const char* saveTitle = "Salva l'opuscolo";
inline constexpr const char* saveTestSheetTitle = "Salva il foglio di prova";
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

// The fields for thick documents; %1 is the limit.
inline constexpr const char* signaturesRefusedMessage =
    "Fogli per fascicolo: un numero da 1 a %1, o vuoto";
inline constexpr const char* creepRefusedMessage = "Scorrimento: da 0 a %1 mm, come 0,5";
// How to fold when the booklet is cut into signatures of %1 sheets.
inline constexpr const char* fourUpSignatureFoldText =
    "Poi piega a met\u00e0 ogni fascicolo di %1 fogli, uno per volta, e impila i fascicoli in "
    "ordine.";
inline constexpr const char* eightUpSignatureText = "Impila i fascicoli di %1 fogli in ordine.";

// The question after the test sheet; %1 and %2 are the fronts' and the backs' files.
inline constexpr const char* testSheetQuestion =
    "Stampa %1, rimetti i due fogli nel vassoio come rimetterai la pila vera, poi stampa %2. "
    "Che cosa c'\u00e8 dietro \"FRONTE foglio 1\"?";

} // namespace plicora
