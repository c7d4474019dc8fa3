#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace plicora {

// `value` in decimal form: the digits, "-" before a negative number.
std::string decimalText(int value);

// The whole decimal number `text` is, "-" before a negative one; nothing for anything else.
std::optional<int> readDecimal(std::string_view text);

} // namespace plicora
