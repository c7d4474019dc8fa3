#pragma once

#include <string>

namespace plicora {

// `value` in decimal form: the digits, "-" before a negative number.
std::string decimalText(int value);

} // namespace plicora
