#include "core_messages.h"

#include "number_text.h"
#include "sheet_sides.h"

namespace plicora {

std::string overflowMessage() {
    return "Numero fuori dai limiti consentiti (da " + decimalText(pageMin) + " a " +
           decimalText(pageMax) + ")";
}

std::string tooManyPagesMessage() {
    const int pages = fourUpMaxSheets * pagesPerSheet(Mode::FourUp);
    return "Il numero di pagine supera il massimo di " + decimalText(pages) + " (" +
           decimalText(fourUpMaxSheets) + " fogli) per la stampa a " +
           decimalText(pagesPerSheet(Mode::FourUp)) + " pagine per foglio";
}

std::string pageWarning(Mode mode) {
    return "Il numero di pagina non \u00e8 multiplo di " + decimalText(pagesPerSheet(mode)) +
           ".Bisogna aggiungere al documento alcuni fogli bianchi";
}

} // namespace plicora
