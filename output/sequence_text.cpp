#include "sequence_text.h"

#include "core/number_text.h"

namespace plicora {

std::size_t appendSheetLabel(std::string& out, int number,
                             void (*appendNumber)(std::string&, int)) {
    const std::size_t start = out.size();
    out += "Foglio N.";
    appendNumber(out, number);
    out += ") ";
    return out.size() - start;
}

void appendQuad(std::string& out, const SheetQuad& quad, std::string_view separator) {
    appendSigned(out, quad.p1);
    for (const int page : {quad.p2, quad.p3, quad.p4}) {
        out += separator;
        appendSigned(out, page);
    }
}

void appendRun(std::string& out, const PageTable& table, int entries, std::string_view separator,
               int perLine) {
    for (int i = 1; i <= entries; ++i) {
        appendDecimal(out, table[i]);
        out += separator;
        if (perLine > 0 && i % perLine == 0)
            out += "\r\n\r\n";
    }
}

} // namespace plicora
