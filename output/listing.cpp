#include "listing.h"

#include "sequence_text.h"

namespace plicora {
namespace {

void appendPair(TextBuffer& out, const PageTable& table, int i, std::string_view separator) {
    out.appendDecimal(table[i]);
    out.append(separator);
    out.appendDecimal(table[i + 1]);
    out.append(crlf);
}

} // namespace

std::string renderListing(const FourUpSequence& sequence, std::string_view separator) {
    const int k = sequence.entries;
    TextBuffer out(200 + static_cast<std::size_t>(k) * (30 + 4 * separator.size()));
    out.append("*** STAMPA MULTI PAGINA ***\r\n\r\n");
    out.append("Sequenza 'Fronte' pagina\r\n");
    appendRun(out, sequence.front, k, separator);
    out.append("\r\n\r\nSequenza 'Retro' pagina\r\n");
    appendRun(out, sequence.back, k, separator);
    out.append("\r\n\r\n*** STAMPA SINGOLA PAGINA ***\r\n\r\n");
    // The label carries the position (1, 3, 5, ...), not the sheet's ordinal.
    for (int i = 1; i < k; i += 2) {
        const std::size_t labelLength = appendSheetLabel(out, i, &TextBuffer::appendDecimal);
        out.append("(fronte) ");
        appendPair(out, sequence.front, i, separator);
        out.append(labelLength, ' ');
        out.append("(retro ) ");
        appendPair(out, sequence.back, i, separator);
    }
    return out.take();
}

std::string renderListing(const EightUpSequence& sequence, std::string_view separator) {
    // A line holds at most a 15-character label, "F:", four 6-character numbers, three
    // separators and CR LF.
    TextBuffer out(static_cast<std::size_t>(sequence.sheets()) * (90 + 6 * separator.size()));
    for (int j = 1; j <= sequence.sheets(); ++j) {
        const std::size_t labelLength = appendSheetLabel(out, j, &TextBuffer::appendSigned);
        out.append("F:");
        appendQuad(out, sequence.front(j), separator);
        out.append(crlf);
        out.append(labelLength, ' ');
        out.append("R:");
        appendQuad(out, sequence.back(j), separator);
        out.append(crlf);
    }
    return out.take();
}

} // namespace plicora
