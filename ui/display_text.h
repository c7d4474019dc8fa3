#pragma once

#include <QString>

#include <string_view>

namespace plicora {

// The program's texts end their lines in CR LF; Qt's text widgets break lines at LF alone and
// would show the CR. This gives the text with LF line ends.
QString displayText(QString text);
QString displayText(std::string_view utf8);

// A listing as the output box holds it: a line that starts with a blank (the back of a sheet)
// joins the line above in one text block, after a line separator (U+2028), and every other
// line ends its block. Fewer, larger blocks are laid out much faster; the plain text copied out
// of the box still ends each line in LF.
QString boxText(std::string_view utf8);

} // namespace plicora
