#pragma once

// What the booklet window, the print dialog and the way to them tell the user, in Italian.
namespace plicora {

inline constexpr const char* previewUnreadableMessage =
    "Anteprima non disponibile: il documento non si lascia leggere";
inline constexpr const char* previewWaitingText = "Anteprima in preparazione\u2026";
inline constexpr const char* readingText = "Lettura del documento\u2026";
// Each window's title; %1 is its document's file name.
inline constexpr const char* windowTitleText = "%1 \u2014 Plicora";
// The four-up choice, naming the booklet's pages; %1 is their size.
inline constexpr const char* fourUpText = "&4 pagine (opuscolo %1)";
// Half a named paper that has no name of its own; %1 is the paper's.
inline constexpr const char* halfPaperText = "mezza %1";
// A custom booklet page; %1 and %2 are its width and height in millimetres.
inline constexpr const char* pageMillimetresText = "%1\u00d7%2 mm";

// The preview: the view as it prints, sheet by sheet, and as it reads, two pages at a time.
inline constexpr const char* previewTitle = "Anteprima";
// The scrolling column of the choices, as screen readers name it and its scroll bar.
inline constexpr const char* choicesName = "Scelte";
inline constexpr const char* choicesScrollName = "Scorri le scelte";
inline constexpr const char* printedViewText = "Come si stampa";
inline constexpr const char* readViewText = "Come si legge";
inline constexpr const char* previousSheetText = "Foglio &precedente";
inline constexpr const char* nextSheetText = "Foglio &successivo";
inline constexpr const char* previousPagesText = "Pagine &precedenti";
inline constexpr const char* nextPagesText = "Pagine &successive";
// %1 is the sheet shown, %2 how many there are.
inline constexpr const char* sheetPositionText = "Foglio %1 di %2";
// %1 and %2 the pages shown, %3 how many the booklet has.
inline constexpr const char* pagesPositionText = "Pagine %1 e %2 di %3";
inline constexpr const char* pagePositionText = "Pagina %1 di %2";
// What screen readers hear of the pictures; %1 is the sheet, or the pages.
inline constexpr const char* frontPictureName = "Anteprima del foglio %1, fronte";
inline constexpr const char* backPictureName = "Anteprima del foglio %1, retro";
inline constexpr const char* pagesPictureName = "Anteprima delle pagine %1 e %2, come si leggono";
inline constexpr const char* pagePictureName = "Anteprima della pagina %1, come si legge";
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
// How to fold the printed stack: the sheets nest, the first outside, in both layouts; %1 is the
// half that goes under.
inline constexpr const char* foldStackText =
    "Poi, con i fronti in su e il foglio 1 sopra, piega la pila a met\u00e0 portando %1: la "
    "pagina 1 fa da copertina.";
// The same in signatures of %1 sheets; %2 is the half that goes under.
inline constexpr const char* foldSignaturesText =
    "Poi dividi la pila, nell'ordine di stampa, in fascicoli di %1 fogli; piega ogni fascicolo, "
    "con i fronti in su e il suo primo foglio sopra, a met\u00e0 portando %2, e metti i fascicoli "
    "piegati uno dopo l'altro, il primo davanti.";
// The half folded under: a booklet opening from the right folds the other way.
inline constexpr const char* leftUnderRightText = "la met\u00e0 sinistra sotto la destra";
inline constexpr const char* rightUnderLeftText = "la met\u00e0 destra sotto la sinistra";
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
// The test sheet, printed one side at a time to find out how the printer feeds the backs.
inline constexpr const char* printTestSheetTitle = "Stampa il foglio di prova";
inline constexpr const char* testSheetPlanText =
    "Plicora stamper\u00e0 su carta %1 il fronte del foglio di prova, poi mostrer\u00e0 come "
    "rimettere i fogli nel vassoio per il retro.";
inline constexpr const char* testSheetNotNeededText =
    "Il foglio di prova non serve con questa stampante: stampa da s\u00e9 in fronte-retro, e "
    "Plicora le manda i retri gi\u00e0 girati come li gira lei.";
// Without a printer, the test sheet is written as two files to print from another program.
inline constexpr const char* writeFilesText = "Scrivi i &file";
// The question after the test sheet printed here.
inline constexpr const char* printedTestSheetQuestion =
    "Che cosa c'\u00e8 dietro \"FRONTE foglio 1\"?";
// The printer's margins shrink the pages; %1 is the scale, in percent.
inline constexpr const char* marginScaleText =
    "Le pagine saranno ridotte al %1 % per stare nei margini della stampante.";
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

// The test sheet's question, put off.
inline constexpr const char* notYetText = "Non ancora";

// The booklet window's controls.
inline constexpr const char* oneBlankAddedText = "Si aggiunge 1 pagina bianca %1";
inline constexpr const char* blanksAddedText = "Si aggiungono %1 pagine bianche %2";
inline constexpr const char* documentPagesText = "Pagine del documento: %1";
inline constexpr const char* documentText = "Documento: %1";
inline constexpr const char* pagesPerSheetTitle = "Pagine per foglio";
inline constexpr const char* eightUpText = "&8 pagine";
inline constexpr const char* printerTitle = "Stampante";
inline constexpr const char* oneFileText = "&Un file, per il fronte-retro";
inline constexpr const char* shortEdgeChoiceText = "sul lato corto";
inline constexpr const char* longEdgeChoiceText = "sul lato lungo";
inline constexpr const char* edgeName = "Fronte-retro sul lato corto o sul lato lungo";
inline constexpr const char* twoFilesText = "&Due file: fronti e retri";
inline constexpr const char* testSheetButtonText = "Fo&glio di prova";
inline constexpr const char* backsTitle = "Retri, stampando senza fronte-retro";
inline constexpr const char* reversedBacksText = "Retri in ordine &inverso";
inline constexpr const char* turnedBacksText = "Retri capo&volti (girati di 180\u00b0)";
inline constexpr const char* thickTitle = "Documenti spessi";
inline constexpr const char* signaturesName = "Fogli per fascicolo (vuoto: un solo opuscolo)";
inline constexpr const char* creepName = "Scorrimento in millimetri";
inline constexpr const char* signaturesLabelText = "Fogli per &fascicolo:";
inline constexpr const char* signaturesTip = "Vuoto: un solo opuscolo";
inline constexpr const char* creepLabelText = "Sco&rrimento (mm):";
inline constexpr const char* creepTip = "Vuoto: nessuno";
inline constexpr const char* foldingTitle = "Piegatura";
inline constexpr const char* drawingName = "Come piegare i fogli";
inline constexpr const char* createText = "Crea l'&opuscolo";
inline constexpr const char* printButtonText = "S&tampa\u2026";
inline constexpr const char* progressName = "Avanzamento";
inline constexpr const char* cancelButtonText = "A&nnulla";
inline constexpr const char* openText = "&Apri";
inline constexpr const char* openFolderText = "Apri &la cartella";

// The paper and binding, the print dialog, the stack put back, and Form1's way to the booklet.
inline constexpr const char* sheetChoicesTitle = "Carta e rilegatura";
inline constexpr const char* rightToLeftText = "Si apre da d&estra (arabo, ebraico, giapponese)";
inline constexpr const char* backCoverLastText = "&Quarta di copertina sempre ultima";
inline constexpr const char* paperLabelText = "&Carta:";
inline constexpr const char* customSizePlaceholder = "es. 320x450";
inline constexpr const char* customSizeName =
    "Carta su misura, larghezza per altezza in millimetri";
inline constexpr const char* millimetresLabelText = "&mm";
inline constexpr const char* customPagesText = "di %1 × %2 mm";
inline constexpr const char* pagesScaledText = "Pagine %1 %2 al %3 %";
inline constexpr const char* reducedText = "ridotte";
inline constexpr const char* enlargedText = "ingrandite";
inline constexpr const char* topText = "\u2191 ALTO";
inline constexpr const char* backNumberText = "RETRO %1";
inline constexpr const char* firstFrontText = "FRONTE 1";
inline constexpr const char* blankBackText = "(retro bianco)";
inline constexpr const char* shortSideText = "lato corto";
inline constexpr const char* continueText = "&Continua";
inline constexpr const char* cancelText = "&Annulla";
inline constexpr const char* printText = "&Stampa";
inline constexpr const char* closeText = "&Chiudi";
inline constexpr const char* printerLabelText = "S&tampante:";
inline constexpr const char* printPaperLabelText = "Ca&rta:";
inline constexpr const char* copiesLabelText = "C&opie:";
inline constexpr const char* bookletLinkText = "Hai il PDF del documento? Crea l'&opuscolo\u2026";

} // namespace plicora
