#pragma once

#include <QString>

#include <string_view>

namespace plicora {

// The program's texts end their lines in CR LF; Qt's text widgets break lines at LF alone and
// would show the CR. This gives the text with LF line ends.
QString displayText(QString text);
QString displayText(std::string_view utf8);

// A listing as the output box holds it: lines in text blocks of sixteen, joined inside a block
// by line separators (U+2028), the last line ending its block. Inserting fewer, larger blocks is
// many times faster; the plain text copied out of the box still ends each line in LF.
QString boxText(std::string_view utf8);

} // namespace plicora
