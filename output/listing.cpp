#include "listing.h"

#include "sequence_text.h"

namespace plicora {
namespace {

void appendPair(TextBuffer& out, const SheetSide& side, std::string_view separator) {
    out.appendDecimal(side.pages[0]);
    out.append(separator);
    out.appendDecimal(side.pages[1]);
    out.append("\n");
}

std::string renderFourUp(const SheetSides& sides, std::string_view separator) {
    const std::size_t sheets = sides.sheets.size();
    TextBuffer out(200 + sheets * (60 + 8 * separator.size()));
    out.append("*** STAMPA MULTI PAGINA ***\n\n");
    out.append("Sequenza 'Fronte' pagina\n");
    appendRun(out, sides.sheets, Face::Front, separator);
    out.append("\n\nSequenza 'Retro' pagina\n");
    appendRun(out, sides.sheets, Face::Back, separator);
    out.append("\n\n*** STAMPA SINGOLA PAGINA ***\n\n");
    for (const Sheet& sheet : sides.sheets) {
        // The label carries the position of the sheet's first page in the run (1, 3, 5, ...),
        // not the sheet's ordinal.
        const std::size_t labelLength =
            appendSheetLabel(out, 2 * sheet.number - 1, &TextBuffer::appendDecimal);
        out.append("(fronte) ");
        appendPair(out, sheet.front, separator);
        out.append(labelLength, ' ');
        out.append("(retro ) ");
        appendPair(out, sheet.back, separator);
    }
    return out.take();
}

std::string renderEightUp(const SheetSides& sides, std::string_view separator) {
    // A line holds at most a 15-character label, "F:", four 6-character numbers, three
    // separators and its line end.
    TextBuffer out(sides.sheets.size() * (90 + 6 * separator.size()));
    for (const Sheet& sheet : sides.sheets) {
        const std::size_t labelLength =
            appendSheetLabel(out, sheet.number, &TextBuffer::appendSigned);
        out.append("F:");
        appendQuad(out, sheet.front, separator);
        out.append("\n");
        out.append(labelLength, ' ');
        out.append("R:");
        appendQuad(out, sheet.back, separator);
        out.append("\n");
    }
    return out.take();
}

} // namespace

std::string renderListing(const SheetSides& sides, std::string_view separator) {
    return sides.mode == Mode::FourUp ? renderFourUp(sides, separator)
                                      : renderEightUp(sides, separator);
}

} // namespace plicora
