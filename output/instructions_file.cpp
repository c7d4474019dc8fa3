#include "instructions_file.h"

#include "core/number_text.h"
#include "sequence_text.h"
#include "windows_1252.h"

namespace plicora {
namespace {

enum class Side { Front, Back };

// The layout both modes share; `appendSide` writes the numbers of one side.
template <typename AppendSide>
std::string renderFrame(std::string_view settings, std::size_t capacity, AppendSide appendSide) {
    std::string out;
    out.reserve(400 + capacity);
    out += "Per stampare IL FORMATO A5, devi impostare:\r\n"
           "      a)  Foglio orizzontale\r\n";
    out += settings;
    out += " \r\nSequenza 'fronte' pagina\r\n\r\n";
    appendSide(out, Side::Front);
    out += " \r\n \r\nSequenza 'Retro' pagina\r\n\r\n";
    appendSide(out, Side::Back);
    out += " \r\n";
    return out;
}

} // namespace

std::string renderInstructions(const FourUpSequence& sequence, std::string_view separator) {
    const std::string sep = toWindows1252(separator);
    const int k = sequence.entries;
    const auto capacity = static_cast<std::size_t>(k) * (2 * sep.size() + 12);
    return renderFrame("      b)  Pagine per foglio: 2\r\n"
                       "      c)  Adattare al formato A4\r\n",
                       capacity, [&](std::string& out, Side side) {
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
        capacity, [&](std::string& out, Side side) {
            for (int j = 1; j <= sequence.sheets(); ++j) {
                appendSigned(out, j);
                out += ") ";
                appendQuad(out, side == Side::Front ? sequence.front(j) : sequence.back(j), sep);
                out += crlf;
            }
        });
}

} // namespace plicora
