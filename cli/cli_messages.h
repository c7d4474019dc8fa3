#pragma once

#include <string>
#include <string_view>

namespace plicora {

inline constexpr const char* missingPagesMessage = "Manca l'opzione --pagine";
inline constexpr const char* missingModeMessage = "Manca l'opzione --modo (4 oppure 8)";
inline constexpr const char* noDocumentMessage = "Manca il documento PDF da impaginare";
inline constexpr const char* oneDocumentMessage =
    "Si pu\u00f2 impaginare un solo documento alla volta";
inline constexpr const char* emptyOutputMessage = "Il nome del file di uscita \u00e8 vuoto";
inline constexpr const char* separateToStandardOutputMessage =
    "Con --separati si scrivono due file: l'uscita standard (-) non basta";
inline constexpr const char* testSheetToStandardOutputMessage =
    "La prova si scrive in due file: l'uscita standard (-) non basta";
inline constexpr const char* backsNeedSeparateMessage =
    "--retro-inverso e --retro-capovolti valgono solo con --separati o --stampante, per i retri "
    "stampati a parte";
inline constexpr const char* edgeWithSeparateMessage =
    "--bordo vale solo per l'opuscolo in un file, stampato in fronte-retro: non con --separati";
inline constexpr const char* emptyPrinterMessage = "Il nome della stampante \u00e8 vuoto";
inline constexpr const char* copiesNeedPrinterMessage = "--copie vale solo con --stampante";
inline constexpr const char* printerWithSeparateMessage =
    "Con --stampante non serve --separati: a una stampante senza fronte-retro Plicora manda "
    "prima i fronti, poi i retri";
inline constexpr const char* printerToStandardOutputMessage =
    "Con --stampante l'uscita standard (-) non è disponibile: vi si scrive il lavoro inviato";
inline constexpr const char* standardInputNeedsOutputMessage =
    "Con il documento dall'ingresso standard (-) bisogna dare il nome dell'uscita con -o";
inline constexpr const char* helpHint = "Per l'aiuto: plicora --help";
// The windows need a display; the commands don't.
inline constexpr const char* noDisplayMessage =
    "plicora: nessuno schermo disponibile per aprire le finestre.\n"
    "Senza schermo si usano i comandi: plicora sequenza (la sequenza delle pagine) e\n"
    "plicora opuscolo (l'opuscolo in PDF); per l'aiuto: plicora --help";

// An argument a command doesn't take.
std::string unexpectedArgumentMessage(std::string_view argument);
// An option that is neither the program's nor Qt's.
std::string unknownOptionMessage(std::string_view option);
// A command's option given without a command.
std::string optionWithoutCommandMessage(std::string_view option);
// A file to open that isn't there.
std::string missingFileMessage(std::string_view path);
// A document read from the device `document` (/dev/stdin), with no output named.
std::string deviceNeedsOutputMessage(std::string_view document);
// An option given more than once, `name` without its dashes.
std::string optionTwiceMessage(std::string_view name);
// A --modo that is neither 4 nor 8.
std::string modeValueMessage(std::string_view value);
// A separator longer than the window's field takes.
std::string separatorTooLongMessage();
// A --fascicoli that is not a number of sheets the signatures can hold.
std::string signaturesValueMessage(std::string_view value);
// A --scorrimento that is not a number of millimetres in range.
std::string creepValueMessage(std::string_view value);
// A --margine that is not a number of millimetres in range.
std::string marginValueMessage(std::string_view value);
// A --carta that names no paper a booklet is printed on.
std::string paperValueMessage(std::string_view value);
// A --bordo that is neither corto nor lungo.
std::string edgeValueMessage(std::string_view value);
// A --copie that is not a number of copies a job takes.
std::string copiesValueMessage(std::string_view value);
// --scorrimento asked of an eight-up booklet.
std::string creepFourUpOnlyMessage();

} // namespace plicora
