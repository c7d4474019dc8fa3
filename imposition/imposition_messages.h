#pragma once

#include <cstddef>
#include <string>

namespace plicora {

inline constexpr const char* cannotOpenDocumentMessage =
    "Impossibile aprire il documento specificato";
inline constexpr const char* notRegularFileMessage =
    "Il documento specificato non è un file: cartelle, dispositivi e FIFO non possono essere "
    "impaginati";
inline constexpr const char* terminalInputMessage =
    "Il documento va passato sullo standard input da un file o da una pipe, non dal terminale";
inline constexpr const char* notPdfMessage = "Il documento specificato non è un file PDF";
inline constexpr const char* damagedPdfMessage =
    "Il documento PDF è danneggiato e non può essere letto";
inline constexpr const char* passwordMessage =
    "Il documento PDF è protetto da una password e non può essere letto";
inline constexpr const char* noPagesMessage = "Il documento PDF non contiene pagine";
inline constexpr const char* outputIsInputMessage =
    "Il file di uscita non può essere il documento stesso";

// The document at `path` that could not be opened for the errno value `error`: the path and the
// reason in brackets.
std::string cannotOpenDocumentText(const std::string& path, int error);
// The refusal of a document of more than `maxPages` pages, the most a booklet of its mode holds.
std::string documentTooLongMessage(int maxPages);
// The refusal of a page tree nested deeper than `maxLevels`.
std::string pageTreeTooDeepMessage(int maxLevels);
// The refusal of a page tree that lists page `page` (counted from 1) again as page `again`.
std::string repeatedPageMessage(int page, int again);
// The refusal of a document that took longer than `seconds` to read and impose.
std::string readingTooLongMessage(int seconds);
// The refusal of a document whose reading needs more memory than the engine's `limitBytes`.
std::string memoryLimitMessage(std::size_t limitBytes);
// The refusal of a document qpdf failed on without a reason of its own: qpdf's English text
// `detail` follows in brackets, for a bug report.
std::string damagedPdfText(const std::string& detail);
// The refusal of a document holding object numbers so high that no object can be added.
inline constexpr const char* objectNumbersTooHighMessage =
    "Il documento PDF usa numeri di oggetto troppo alti: non gli si possono aggiungere le facciate "
    "dell'opuscolo";
// The refusal of a document on standard input longer than `limitBytes`.
std::string standardInputTooLargeMessage(std::size_t limitBytes);
// The refusal of a document whose page `page` (counted from 1) qpdf cannot read.
std::string unreadablePageMessage(int page);
// The warning for a page whose MediaBox is missing or unusable and is taken as
// `width` x `height` points.
std::string defaultMediaBoxWarning(int page, double width, double height);
// The warning for a page whose CropBox is unusable or lies outside its MediaBox.
std::string unusableCropBoxWarning(int page);
// The warning for a page whose /Rotate is not a whole multiple of 90 degrees.
std::string unusableRotateWarning(int page);
// What the booklet did to a document of `documentPages` pages that fills `bookletPages`, the blanks
// at the end or, `beforeBackCover`, just before the last page.
std::string roundingNotice(int documentPages, int bookletPages, bool beforeBackCover = false);

} // namespace plicora
