#include "listing.h"

#include "core/number_text.h"
#include "sequence_text.h"

namespace plicora {
namespace {

void appendPair(std::string& out, const PageTable& table, int i, std::string_view separator) {
    appendDecimal(out, table[i]);
    out += separator;
    appendDecimal(out, table[i + 1]);
    out += crlf;
}

} // namespace

std::string renderListing(const FourUpSequence& sequence, std::string_view separator) {
    const int k = sequence.entries;
    std::string out;
    out.reserve(200 + static_cast<std::size_t>(k) * (30 + 4 * separator.size()));
    out += "*** STAMPA MULTI PAGINA ***\r\n\r\n";
    out += "Sequenza 'Fronte' pagina\r\n";
    appendRun(out, sequence.front, k, separator);
    out += "\r\n\r\nSequenza 'Retro' pagina\r\n";
    appendRun(out, sequence.back, k, separator);
    out += "\r\n\r\n*** STAMPA SINGOLA PAGINA ***\r\n\r\n";
    // The label carries the position (1, 3, 5, ...), not the sheet's ordinal.
    for (int i = 1; i < k; i += 2) {
        const std::size_t labelLength = appendSheetLabel(out, i, appendDecimal);
        out += "(fronte) ";
        appendPair(out, sequence.front, i, separator);
        out.append(labelLength, ' ');
        out += "(retro ) ";
        appendPair(out, sequence.back, i, separator);
    }
    return out;
}

std::string renderListing(const EightUpSequence& sequence, std::string_view separator) {
    std::string out;
    out.reserve(static_cast<std::size_t>(sequence.sheets()) * (90 + 6 * separator.size()));
    for (int j = 1; j <= sequence.sheets(); ++j) {
        const std::size_t labelLength = appendSheetLabel(out, j, appendSigned);
        out += "F:";
        appendQuad(out, sequence.front(j), separator);
        out += crlf;
        out.append(labelLength, ' ');
        out += "R:";
        appendQuad(out, sequence.back(j), separator);
        out += crlf;
    }
    return out;
}

} // namespace plicora
