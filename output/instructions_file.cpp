#include "instructions_file.h"

#include "sequence_text.h"
#include "windows_1252.h"

namespace plicora {
namespace {

enum class Side { Front, Back };

// The layout both modes share; `appendSide` writes the numbers of one side.
template <typename AppendSide>
std::string renderFrame(std::string_view settings, std::size_t capacity, AppendSide appendSide) {
    TextBuffer out(400 + capacity);
    out.append("Per stampare IL FORMATO A5, devi impostare:\r\n"
               "      a)  Foglio orizzontale\r\n");
    out.append(settings);
    out.append(" \r\nSequenza 'fronte' pagina\r\n\r\n");
    appendSide(out, Side::Front);
    out.append(" \r\n \r\nSequenza 'Retro' pagina\r\n\r\n");
    appendSide(out, Side::Back);
    out.append(" \r\n");
    return out.take();
}

} // namespace

std::string renderInstructions(const FourUpSequence& sequence, std::string_view separator) {
    const std::string sep = toWindows1252(separator);
    const int k = sequence.entries;
    const auto capacity = static_cast<std::size_t>(k) * (2 * sep.size() + 12);
    return renderFrame("      b)  Pagine per foglio: 2\r\n"
                       "      c)  Adattare al formato A4\r\n",
                       capacity, [&](TextBuffer& out, Side side) {
                           // Ten to a line, an empty line between.
                           appendRun(out, side == Side::Front ? sequence.front : sequence.back, k,
                                     sep, 10);
                       });
}

std::string renderInstructions(const EightUpSequence& sequence, std::string_view separator) {
    const std::string sep = toWindows1252(separator);
    const auto capacity = static_cast<std::size_t>(sequence.sheets()) * (6 * sep.size() + 70);
    return renderFrame(
        "      b)  Pagine per foglio: 4\r\n"
        "      c)  Stampa sequenza in verticale\r\n"
        "      d)  Adattare al formato A4\r\n",
        capacity, [&](TextBuffer& out, Side side) {
            for (int j = 1; j <= sequence.sheets(); ++j) {
                out.appendSigned(j);
                out.append(") ");
                appendQuad(out, side == Side::Front ? sequence.front(j) : sequence.back(j), sep);
                out.append(crlf);
            }
        });
}

} // namespace plicora
