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
inline constexpr const char* longEdgeTurnText =
    "Stampa in fronte-retro girando sul lato lungo: i retri sono gi\u00e0 capovolti.";
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

// Printing from the window.
inline constexpr const char* printTitle = "Stampa l'opuscolo";
inline constexpr const char* printersWaitingText = "Ricerca delle stampanti\u2026";
inline constexpr const char* noPrinterText =
    "Nessuna stampante configurata: aggiungerne una nelle impostazioni di stampa del sistema, "
    "oppure creare il PDF e stamparlo da un altro programma.";
inline constexpr const char* defaultPrinterText = "%1 (predefinita)";
// What Plicora will do on the printer chosen, by the way it prints; %1 is the paper.
inline constexpr const char* shortEdgePlanText =
    "Plicora stamper\u00e0 l'opuscolo in fronte-retro girando sul lato corto, su carta %1, "
    "senza ridimensionare.";
inline constexpr const char* longEdgePlanText =
    "Questa stampante gira il foglio sul lato lungo: Plicora stamper\u00e0 l'opuscolo in "
    "fronte-retro con i retri gi\u00e0 capovolti, su carta %1, senza ridimensionare.";
inline constexpr const char* byHandPlanText =
    "Questa stampante stampa su un solo lato: Plicora stamper\u00e0 su carta %1 prima i fronti, "
    "poi mostrer\u00e0 come rimettere la pila nel vassoio per i retri.";
// A printer found on the network is asked what it can do once chosen.
inline constexpr const char* printerCheckingText = "Verifica della stampante\u2026";
// The printer has none of the papers Plicora prints on; %1 lists its own.
inline constexpr const char* noPaperOnPrinterText =
    "Questa stampante non ha nessuna delle carte su cui Plicora stampa (ha: %1): sceglierne "
    "un'altra, oppure creare il PDF e stamparlo da un altro programma.";
// The booklet's paper is not the printer's: %1 the booklet's, %2 the one chosen instead.
inline constexpr const char* paperReplacedText =
    "Questa stampante non ha la carta %1: l'opuscolo sar\u00e0 stampato su carta %2.";
// A job's state; %1 is the job, as CUPS names it.
inline constexpr const char* jobQueuedText = "Lavoro %1: in coda";
inline constexpr const char* jobHeldText =
    "Lavoro %1: trattenuto da CUPS, si stampa quando lo si rilascia";
inline constexpr const char* jobPrintingText = "Lavoro %1: in stampa";
inline constexpr const char* jobPrintedText = "Lavoro %1: stampato";
// Said after a job's state when Plicora stops following a job that waits.
inline constexpr const char* jobLeftText =
    "%1. Il lavoro resta a CUPS, che lo stamper\u00e0 quando potr\u00e0; Plicora non lo segue "
    "pi\u00f9.";
inline constexpr const char* printPreparingText = "Preparazione della stampa\u2026";
inline constexpr const char* backsNotSentText = "Retri non stampati: nulla inviato dopo i fronti.";
// Between the fronts and the backs printed by hand.
inline constexpr const char* putBackText =
    "Quando sono usciti tutti i fronti, prendi la pila cos\u00ec com'\u00e8 e rimettila nel "
    "vassoio girandola sul lato corto, come nel disegno. Poi premi \"Continua\" per stampare i "
    "retri.";
// The same, once the test sheet has shown how this printer takes the stack back.
inline constexpr const char* putBackAfterTestText =
    "Quando sono usciti tutti i fronti, prendi la pila cos\u00ec com'\u00e8 e rimettila nel "
    "vassoio girandola sul lato corto, come nel disegno (e come i fogli di prova). Poi premi "
    "\"Continua\" per stampare i retri.";
inline constexpr const char* putBackAnswerText =
    "Nel foglio di prova il retro del foglio 1 \u00e8 uscito cos\u00ec: Plicora manda i retri "
    "in modo che questa volta escano diritti e in ordine.";

} // namespace plicora
