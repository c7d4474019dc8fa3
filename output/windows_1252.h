#pragma once

#include <string>
#include <string_view>

namespace plicora {

// `utf8` in windows-1252; a character it has no code for, or a malformed byte, becomes "?".
std::string toWindows1252(std::string_view utf8);

} // namespace plicora
