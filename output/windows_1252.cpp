#include "windows_1252.h"

#include <array>
#include <cstdint>

namespace plicora {
namespace {

// The characters windows-1252 puts at 0x80..0x9F, where Latin-1 has control codes;
// 0 marks the five codes it leaves undefined.
constexpr std::array<char32_t, 32> highControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char encode(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    for (std::size_t i = 0; i < highControls.size(); ++i)
        if (highControls[i] == c)
            return static_cast<char>(0x80 + i);
    return '?';
}

// Decodes one UTF-8 sequence at `i`, advancing past it; returns U+FFFD when it is malformed,
// overlong (E0 80 80 would otherwise smuggle in a NUL), a surrogate or beyond U+10FFFF.
char32_t decode(std::string_view s, std::size_t& i) {
    const auto lead = static_cast<std::uint8_t>(s[i++]);
    if (lead < 0x80)
        return lead;
    const int length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
    if (length == 0 || lead > 0xF4)
        return 0xFFFD;
    char32_t c = lead & (0x3F >> (length - 1));
    for (int k = 1; k < length; ++k) {
        if (i >= s.size() || (static_cast<std::uint8_t>(s[i]) & 0xC0) != 0x80)
            return 0xFFFD;
        c = (c << 6) | (static_cast<std::uint8_t>(s[i++]) & 0x3F);
    }
    constexpr char32_t shortest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < shortest[length] || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF)
        return 0xFFFD;
    return c;
}

} // namespace

std::string toWindows1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();)
        out += encode(decode(utf8, i));
    return out;
}

} // namespace plicora
