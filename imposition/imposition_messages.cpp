#include "imposition_messages.h"

#include "core/core_messages.h"
#include "core/number_text.h"
#include "files/file_error.h"
#include "files/file_messages.h"

#include <cerrno>
#include <cstring>

namespace plicora {
namespace {

std::string pagePrefix(int page) {
    return "pagina " + decimalText(page) + ": ";
}

// `count` followed by the singular or plural form of the words after it.
std::string counted(int count, const char* singular, const char* plural) {
    return decimalText(count) + " " + (count == 1 ? singular : plural);
}

} // namespace

std::string standardInputTooLargeMessage(std::size_t limitBytes) {
    return "Il documento letto dallo standard input supera il limite di " +
           decimalText(static_cast<int>(limitBytes / (1024 * 1024))) +
           " MiB: indicarne invece il percorso";
}

std::string cannotOpenDocumentText(const std::string& path, int error) {
    // Reading, a missing name is a missing file, where writing it means a missing folder.
    const char* reason = error == ENOENT ? "File inesistente" : fileErrorReason(error);
    return std::string(cannotOpenDocumentMessage) + " (" + shownPath(path) + ": " +
           (reason ? reason : std::strerror(error)) + ")";
}

std::string documentTooLongMessage(int maxPages) {
    return "Il documento PDF ha troppe pagine: un opuscolo ne pu\u00f2 avere al massimo " +
           decimalText(maxPages);
}

std::string pageTreeTooDeepMessage(int maxLevels) {
    return "Il documento PDF \u00e8 danneggiato: le sue pagine sono annidate in pi\u00f9 di " +
           decimalText(maxLevels) + " livelli";
}

std::string readingTooLongMessage(int seconds) {
    return "Il documento PDF richiede pi\u00f9 di " + decimalText(seconds) +
           " secondi per essere letto e impaginato: impaginazione interrotta (forse \u00e8 "
           "danneggiato, o ha milioni di oggetti)";
}

std::string memoryLimitMessage(std::size_t limitBytes) {
    return "Il documento PDF richiede pi\u00f9 memoria del limite dell'impaginazione (" +
           decimalText(static_cast<int>(limitBytes / (1024 * 1024))) +
           " MiB): forse contiene dati compressi che si espandono a dismisura";
}

std::string damagedPdfText(const std::string& detail) {
    // qpdf's texts may be long, and may hold bytes of the document.
    constexpr std::size_t longest = 200;
    return std::string(damagedPdfMessage) + " (qpdf: " + shownPath(detail.substr(0, longest)) + ")";
}

std::string repeatedPageMessage(int page, int again) {
    return "Il documento PDF \u00e8 danneggiato: il suo elenco delle pagine ripete la pagina " +
           decimalText(page) + " come pagina " + decimalText(again);
}

std::string unreadablePageMessage(int page) {
    return "Il documento PDF è danneggiato: la pagina " + decimalText(page) +
           " non può essere letta";
}

std::string defaultMediaBoxWarning(int page, double width, double height) {
    return pagePrefix(page) + "MediaBox mancante o non valido, usato il formato predefinito di " +
           decimalText(static_cast<int>(width)) + " × " + decimalText(static_cast<int>(height)) +
           " punti";
}

std::string unusableCropBoxWarning(int page) {
    return pagePrefix(page) + "CropBox non valido o fuori dal MediaBox, usato il MediaBox";
}

std::string unusableRotateWarning(int page) {
    return pagePrefix(page) + "/Rotate non è un multiplo di 90 gradi, la pagina resta diritta";
}

std::string roundingNotice(int documentPages, int bookletPages, bool beforeBackCover) {
    const int added = bookletPages - documentPages;
    return std::string(added == 1 ? "Aggiunta " : "Aggiunte ") +
           counted(added, "pagina bianca", "pagine bianche") + " " +
           (beforeBackCover ? blanksBeforeBackCoverText : blanksAtEndText) + ": il documento ha " +
           counted(documentPages, "pagina", "pagine") + ", l'opuscolo " +
           decimalText(bookletPages) + ".";
}

} // namespace plicora
