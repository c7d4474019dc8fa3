#include "console.h"

#include "encoded_line.h"
#include "files/file_writer.h"

#include <cstdio>
#include <string>

namespace plicora {
namespace {

bool errorLinesEncoded = false;

} // namespace

std::string echoed(std::string_view value, std::size_t longest) {
    if (value.size() <= longest)
        return std::string(value);
    std::size_t end = longest;
    while (end > 0 && (static_cast<unsigned char>(value[end]) & 0xC0) == 0x80)
        --end;
    return std::string(value.substr(0, end)) + "\u2026";
}

void printOut(std::string_view text) {
    writeOutput(fileno(stdout), text);
}

void printErrorLine(std::string_view text) {
    // One write, so that lines of two programs sharing the terminal don't interleave.
    const std::string line = (errorLinesEncoded ? encodedLine(text) : std::string(text)) + '\n';
    std::fwrite(line.data(), 1, line.size(), stderr);
}

void encodeErrorLines() {
    errorLinesEncoded = true;
}

void printError(std::string_view message) {
    printErrorLine(std::string(errorLinePrefix) + std::string(message));
}

} // namespace plicora
