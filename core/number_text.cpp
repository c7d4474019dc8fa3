#include "number_text.h"

#include <charconv>

namespace plicora {

void appendDecimal(std::string& out, int value) {
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    out.append(digits, end);
}

void appendSigned(std::string& out, int value) {
    // The blank goes into the same buffer: one append per number keeps long listings fast.
    char digits[16] = {' '};
    char* const start = value >= 0 ? digits + 1 : digits;
    const auto end = std::to_chars(start, digits + sizeof digits, value).ptr;
    out.append(digits, end);
}

std::string decimalText(int value) {
    std::string text;
    appendDecimal(text, value);
    return text;
}

} // namespace plicora
