#include "instructions_file.h"

#include "core/calculation_error.h"
#include "core/number_text.h"
#include "sequence_text.h"
#include "windows_1252.h"

#include <filesystem>
#include <fstream>

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
                           const PageTable& table =
                               side == Side::Front ? sequence.front : sequence.back;
                           for (int i = 1; i <= k; ++i) {
                               appendDecimal(out, table[i]);
                               out += sep;
                               if (i % 10 == 0) // ten to a line, an empty line between
                                   out += "\r\n\r\n";
                           }
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

void writeInstructionsFile(std::string_view utf8Path, std::string_view content) {
    // Built from UTF-8 so that accented and non-Latin paths reach the file system intact
    // on every platform.
    const std::filesystem::path path(std::u8string(utf8Path.begin(), utf8Path.end()));
    std::ofstream file;
    // A NUL would silently cut the path short: such a path is refused, not shortened.
    if (!path.empty() && utf8Path.find('\0') == std::string_view::npos)
        file.open(path, std::ios::binary | std::ios::trunc);
    if (!file.is_open())
        throw CalculationError(cannotOpenMessage);
    file.write(content.data(), static_cast<std::streamsize>(content.size()));
    file.close(); // flushes, so a full disk shows up here
    if (file.fail())
        throw CalculationError(writeFailedMessage);
}

} // namespace plicora
