#pragma once

#include <string>

namespace plicora {

// Appends `value` in decimal form: the digits, "-" before a negative number.
void appendDecimal(std::string& out, int value);

// Appends `value` in signed-number form: a blank before a number >= 0, "-" before a negative one.
void appendSigned(std::string& out, int value);

// `value` in decimal form.
std::string decimalText(int value);

} // namespace plicora
