#include "listing.h"

#include "sequence_text.h"

#include <algorithm>
#include <span>

namespace plicora {
namespace {

void appendPair(TextBuffer& out, const SheetSide& side, std::string_view separator) {
    out.appendDecimal(side.pages[0]);
    out.append(separator);
    out.appendDecimal(side.pages[1]);
    out.append("\n");
}

// Each renderer lists the sheets of one signature, numbered from 1 as they are printed in it.
void renderFourUp(TextBuffer& out, std::span<const Sheet> sheets, std::string_view separator) {
    out.append("*** STAMPA MULTI PAGINA ***\n\n");
    out.append("Sequenza 'Fronte' pagina\n");
    appendRun(out, sheets, Face::Front, separator);
    out.append("\n\nSequenza 'Retro' pagina\n");
    appendRun(out, sheets, Face::Back, separator);
    out.append("\n\n*** STAMPA SINGOLA PAGINA ***\n\n");
    for (const Sheet& sheet : sheets) {
        // The label carries the position of the sheet's first page in the run (1, 3, 5, ...),
        // not the sheet's ordinal.
        const std::size_t labelLength =
            appendSheetLabel(out, 2 * sheet.place + 1, &TextBuffer::appendDecimal);
        out.append("(fronte) ");
        appendPair(out, sheet.front, separator);
        out.append(labelLength, ' ');
        out.append("(retro ) ");
        appendPair(out, sheet.back, separator);
    }
}

void renderEightUp(TextBuffer& out, std::span<const Sheet> sheets, std::string_view separator) {
    for (const Sheet& sheet : sheets) {
        const std::size_t labelLength =
            appendSheetLabel(out, sheet.place + 1, &TextBuffer::appendSigned);
        out.append("F:");
        appendQuad(out, sheet.front, separator);
        out.append("\n");
        out.append(labelLength, ' ');
        out.append("R:");
        appendQuad(out, sheet.back, separator);
        out.append("\n");
    }
}

// "Fascicolo 1 (pagine 1–40)" and an empty line, above the listing of a signature.
void appendSignatureHeading(TextBuffer& out, std::size_t number, const Signature& signature) {
    out.append("Fascicolo ");
    out.appendDecimal(static_cast<int>(number));
    out.append(" (pagine ");
    out.appendDecimal(signature.firstPage);
    out.append("\u2013");
    out.appendDecimal(signature.lastPage);
    out.append(")\n\n");
}

} // namespace

std::string renderListing(const SheetSides& sides, std::string_view separator) {
    // Four-up: the fixed texts and per sheet about 60 characters and 8 separators. Eight-up: two
    // lines a sheet, each at most a 15-character label, "F:", four 6-character numbers, three
    // separators and its line end. A signature adds its heading and an empty line.
    const bool fourUp = sides.mode == Mode::FourUp;
    const std::size_t signatures = sides.signatures.size();
    TextBuffer out((fourUp ? 200 : 0) * std::max<std::size_t>(signatures, 1) + signatures * 40 +
                   sides.sheets.size() *
                       (fourUp ? 60 + 8 * separator.size() : 90 + 6 * separator.size()));
    const auto render = fourUp ? renderFourUp : renderEightUp;
    if (signatures <= 1) {
        render(out, sides.sheets, separator);
        return out.take();
    }
    const std::span<const Sheet> sheets = sides.sheets;
    for (std::size_t g = 0; g < signatures; ++g) {
        const Signature& signature = sides.signatures[g];
        if (g > 0)
            out.append("\n");
        appendSignatureHeading(out, g + 1, signature);
        render(out,
               sheets.subspan(static_cast<std::size_t>(signature.firstSheet),
                              static_cast<std::size_t>(signature.sheets)),
               separator);
    }
    return out.take();
}

} // namespace plicora
