#include "encoded_line.h"

namespace plicora {
namespace {

constexpr std::string_view hexDigits = "0123456789ABCDEF";

// Printable ASCII but the blank and the comma, which separate a line's words.
bool passesAsItIs(unsigned char byte) {
    return byte > ' ' && byte < 0x7F && byte != '%' && byte != ',';
}

} // namespace

std::string encodedLine(std::string_view bytes) {
    std::string line;
    line.reserve(bytes.size());
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (passesAsItIs(byte))
            line += c;
        else
            line.append({'%', hexDigits[byte >> 4], hexDigits[byte & 0xF]});
    }
    return line;
}

std::optional<std::string> decodedLine(std::string_view line) {
    std::string bytes;
    bytes.reserve(line.size());
    for (std::size_t i = 0; i < line.size(); ++i) {
        const auto byte = static_cast<unsigned char>(line[i]);
        if (byte != '%') {
            if (!passesAsItIs(byte))
                return std::nullopt;
            bytes += line[i];
            continue;
        }
        const std::size_t high = i + 1 < line.size() ? hexDigits.find(line[i + 1]) : hexDigits.npos;
        const std::size_t low = i + 2 < line.size() ? hexDigits.find(line[i + 2]) : hexDigits.npos;
        if (high == hexDigits.npos || low == hexDigits.npos)
            return std::nullopt;
        bytes += static_cast<char>(high << 4 | low);
        i += 2;
    }
    return bytes;
}

} // namespace plicora
