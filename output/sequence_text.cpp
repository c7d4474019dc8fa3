#include "sequence_text.h"

namespace plicora {

std::size_t appendSheetLabel(TextBuffer& out, int number, void (TextBuffer::*appendNumber)(int)) {
    const std::size_t start = out.size();
    out.append("Foglio N.");
    (out.*appendNumber)(number);
    out.append(") ");
    return out.size() - start;
}

void appendQuad(TextBuffer& out, const SheetSide& side, std::string_view separator) {
    out.appendSigned(side.pages[0]);
    for (int cell = 1; cell < side.cells; ++cell) {
        out.append(separator);
        out.appendSigned(side.pages[cell]);
    }
}

void appendRun(TextBuffer& out, std::span<const Sheet> sheets, Face face,
               std::string_view separator, int perLine, std::string_view lineEnd) {
    int written = 0;
    for (const Sheet& sheet : sheets) {
        const SheetSide& side = sheet.side(face);
        for (int cell = 0; cell < side.cells; ++cell) {
            out.appendDecimal(side.pages[cell]);
            out.append(separator);
            if (perLine > 0 && ++written % perLine == 0) {
                out.append(lineEnd);
                out.append(lineEnd);
            }
        }
    }
}

} // namespace plicora
