#pragma once

#include <string>
#include <string_view>

// What the booklet printer tells the user and the print dialogs, in Italian; `printer` is a real
// CUPS destination's name.
namespace plicora::printer {

inline constexpr const char* usageText = "uso: plicora-stampante [--porta N] [--cartella CARTELLA]";
std::string badPortMessage(std::string_view value);
std::string missingValueMessage(std::string_view option);
std::string unknownOptionMessage(std::string_view option);
inline constexpr const char* noFolderMessage =
    "Manca la cartella dello stato: imposta XDG_STATE_HOME o HOME, oppure usa --cartella";
std::string folderFailedMessage(std::string_view folder, std::string_view reason);
std::string listenFailedMessage(int port);

// How a virtual printer is described in every print dialog.
std::string printerDescription(std::string_view printer);

// CUPS refused the queue for `printer`: its reason, and the one command an administrator runs.
std::string queueRefusedMessage(std::string_view queue, std::string_view reason,
                                std::string_view command);

// A program this one runs is not installed.
std::string missingProgramMessage(std::string_view program);
// A job for a printer that prints one side only, with no desktop session for the window that
// guides the user through the backs.
std::string oneSidedRefusedMessage(std::string_view printer);
// A job to be shown before printing, with no desktop session to show it in.
inline constexpr const char* noSessionMessage =
    "L'anteprima prima di stampare chiede una sessione grafica, che qui manca: per stampare "
    "senza anteprima, metti anteprima=no nelle impostazioni della stampante";
// The window the job was shown in could not be started.
inline constexpr const char* windowMissingMessage =
    "Impossibile aprire la finestra di Plicora: manca il programma plicora";
// What the virtual job says while it is shown in the window.
inline constexpr const char* inWindowMessage = "In attesa nella finestra di Plicora";
// The user closed the window the job was shown in without printing.
inline constexpr const char* closedWithoutPrintingMessage =
    "Finestra di Plicora chiusa senza stampare";
// A job sent as raster graphics instead of PDF.
inline constexpr const char* rasterRefusedMessage =
    "Il documento \u00e8 arrivato come immagine: l'opuscolo si fa solo da un PDF";
// The page size the job asks for has no booklet sheet.
std::string unknownPageSizeMessage(std::string_view media);

// A printer's settings file that can't be read or holds what it shouldn't.
std::string settingsFailedMessage(std::string_view path, std::string_view reason);
std::string settingsLineMessage(std::string_view path, int line, std::string_view text);
std::string settingsValueMessage(std::string_view path, std::string_view key,
                                 std::string_view value);

// A printer's settings file that can't be saved.
std::string settingsSaveFailedMessage(std::string_view path, std::string_view reason);

// The page of a printer's settings in the web interface, its fields named as the file's keys.
inline constexpr const char* webFooter = "Plicora: l'opuscolo da ogni programma";
inline constexpr const char* settingsPageTitle = "Impostazioni dell'opuscolo";
inline constexpr const char* rightToLeftLabel =
    "L'opuscolo si apre da destra (arabo, ebraico, persiano)";
inline constexpr const char* backCoverLastLabel =
    "L'ultima pagina resta l'ultima, le pagine bianche vanno prima";
inline constexpr const char* signaturesLabel = "Fogli per fascicolo (vuoto: un solo opuscolo)";
inline constexpr const char* creepLabel = "Scorrimento in millimetri, da 0 a 5 (vuoto: nessuno)";
inline constexpr const char* previewLabel = "Mostra l'anteprima prima di stampare";
inline constexpr const char* previewYesChoice = "S\u00ec";
inline constexpr const char* previewNoChoice = "No";
inline constexpr const char* previewSessionChoice = "Quando c'\u00e8 una sessione grafica";
inline constexpr const char* saveButton = "Salva";
inline constexpr const char* settingsSavedMessage =
    "Impostazioni salvate: valgono dal prossimo lavoro";
// A form sent from elsewhere than the page, or from a page older than the program.
inline constexpr const char* staleFormMessage =
    "Il modulo non viene da questa pagina o \u00e8 scaduto: ricarica la pagina e riprova";
// Said instead of the web interface's pages that add or delete printers.
inline constexpr const char* printersFollowCupsMessage =
    "Le stampanti dell'Opuscolo seguono quelle di CUPS: si aggiungono e si tolgono in CUPS";

// What the virtual job says while the real printer has it.
std::string printingOnMessage(std::string_view printer);

} // namespace plicora::printer
