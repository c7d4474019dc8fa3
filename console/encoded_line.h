#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace plicora {

// `bytes` as one line, or one word of a line, that a program reads back exactly, line end
// excluded: every byte but printable ASCII, and the blank, the comma and '%' itself, as %XX, so
// that no byte of a name (a line break, a control character, a byte that is not UTF-8) can split
// or forge a line or a word.
std::string encodedLine(std::string_view bytes);

// The bytes encodedLine() made `line` from; nothing when it is not such a line.
std::optional<std::string> decodedLine(std::string_view line);

} // namespace plicora
