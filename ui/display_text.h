#pragma once

#include <QString>

#include <string_view>

namespace plicora {

// A listing as the output box holds it: lines in text blocks of sixteen, joined inside a block
// by line separators (U+2028), the last line ending its block. Inserting fewer, larger blocks is
// many times faster; the plain text copied out of the box still ends each line in LF.
QString boxText(std::string_view utf8);

} // namespace plicora
