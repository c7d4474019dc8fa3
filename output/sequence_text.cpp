#include "sequence_text.h"

namespace plicora {

std::size_t appendSheetLabel(TextBuffer& out, int number, void (TextBuffer::*appendNumber)(int)) {
    const std::size_t start = out.size();
    out.append("Foglio N.");
    (out.*appendNumber)(number);
    out.append(") ");
    return out.size() - start;
}

void appendQuad(TextBuffer& out, const SheetQuad& quad, std::string_view separator) {
    out.appendSigned(quad.p1);
    for (const int page : {quad.p2, quad.p3, quad.p4}) {
        out.append(separator);
        out.appendSigned(page);
    }
}

void appendRun(TextBuffer& out, const PageTable& table, int entries, std::string_view separator,
               int perLine) {
    for (int i = 1; i <= entries; ++i) {
        out.appendDecimal(table[i]);
        out.append(separator);
        if (perLine > 0 && i % perLine == 0)
            out.append("\r\n\r\n");
    }
}

} // namespace plicora
