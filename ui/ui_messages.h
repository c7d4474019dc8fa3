#pragma once

// What the booklet window tells the user, in Italian.
namespace plicora {

inline constexpr const char* previewFolderMessage =
    "Anteprima non disponibile: impossibile creare una cartella temporanea";
inline constexpr const char* previewUnreadableMessage =
    "Anteprima non disponibile: l'opuscolo non si lascia leggere";
inline constexpr const char* previewWaitingText = "Anteprima in preparazione\u2026";
inline constexpr const char* pageCountUnreadableText =
    "Pagine: il loro numero non si legge dal documento";
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
// How to fold the printed stack: the sheets nest, the first outside, in both layouts.
inline constexpr const char* foldStackText =
    "Poi, con i fronti in su e il foglio 1 sopra, piega la pila a met\u00e0 portando la met\u00e0 "
    "sinistra sotto la destra: la pagina 1 fa da copertina.";
// The same in signatures of %1 sheets.
inline constexpr const char* foldSignaturesText =
    "Poi dividi la pila, nell'ordine di stampa, in fascicoli di %1 fogli; piega ogni fascicolo, "
    "con i fronti in su e il suo primo foglio sopra, a met\u00e0 portando la met\u00e0 sinistra "
    "sotto la destra, e metti i fascicoli piegati uno dopo l'altro, il primo davanti.";
// A booklet opening from the right folds the other way.
inline constexpr const char* rightToLeftFoldText =
    "Si apre da destra: piega invece portando la met\u00e0 destra sotto la sinistra.";
inline constexpr const char* eightUpReadingText =
    "Non si taglia: ogni facciata porta due pagine, da leggere dall'alto in basso.";

// The fields for thick documents; %1 is the limit.
inline constexpr const char* signaturesRefusedMessage =
    "Fogli per fascicolo: un numero da 1 a %1, o vuoto";
inline constexpr const char* creepRefusedMessage = "Scorrimento: da 0 a %1 mm, come 0,5";
// A job the engine would refuse that no field explains.
inline constexpr const char* jobRefusedMessage = "Scelte che non vanno insieme";
// Advice for a thick document: %1 sheets in one booklet, %2 the most that fold flat, %3 the
// proposed signatures' size.
inline constexpr const char* signaturesAdviceText =
    "Un solo opuscolo avrebbe %1 fogli: oltre %2 non si piega bene, quindi si propongono "
    "fascicoli di %3 (vuoto: un solo opuscolo).";

// The question after the test sheet; %1 and %2 are the fronts' and the backs' files.
inline constexpr const char* testSheetQuestion =
    "Stampa %1, rimetti i due fogli nel vassoio come rimetterai la pila vera, poi stampa %2. "
    "Che cosa c'\u00e8 dietro \"FRONTE foglio 1\"?";

} // namespace plicora
