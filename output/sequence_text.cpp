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

} // namespace plicora
