#include "imposition_messages.h"

#include "core/core_messages.h"
#include "core/number_text.h"

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
