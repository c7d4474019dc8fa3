#include "number_text.h"

#include <charconv>

namespace plicora {

std::string decimalText(int value) {
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    return std::string(digits, end);
}

} // namespace plicora
