#include "instructions_file.h"

#include "sequence_text.h"
#include "windows_1252.h"

namespace plicora {
namespace {

// The file is read on the systems its print dialogs run on: CR LF ends each line.
constexpr std::string_view crlf = "\r\n";

void appendSide(TextBuffer& out, const SheetSides& sides, Face face, std::string_view separator) {
    if (sides.mode == Mode::FourUp) {
        // Ten to a line, an empty line between.
        appendRun(out, sides.sheets, face, separator, 10, crlf);
        return;
    }
    for (const Sheet& sheet : sides.sheets) {
        out.appendSigned(sheet.number);
        out.append(") ");
        appendQuad(out, sheet.side(face), separator);
        out.append(crlf);
    }
}

} // namespace

std::string renderInstructions(const SheetSides& sides, std::string_view separator) {
    const std::string sep = toWindows1252(separator);
    TextBuffer out(400 + sides.sheets.size() * (12 * sep.size() + 140));
    out.append("Per stampare IL FORMATO A5, devi impostare:\r\n"
               "      a)  Foglio orizzontale\r\n");
    out.append(sides.mode == Mode::FourUp ? "      b)  Pagine per foglio: 2\r\n"
                                            "      c)  Adattare al formato A4\r\n"
                                          : "      b)  Pagine per foglio: 4\r\n"
                                            "      c)  Stampa sequenza in verticale\r\n"
                                            "      d)  Adattare al formato A4\r\n");
    out.append(" \r\nSequenza 'fronte' pagina\r\n\r\n");
    appendSide(out, sides, Face::Front, sep);
    out.append(" \r\n \r\nSequenza 'Retro' pagina\r\n\r\n");
    appendSide(out, sides, Face::Back, sep);
    out.append(" \r\n");
    return out.take();
}

} // namespace plicora
