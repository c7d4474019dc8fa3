#pragma once

#include <QString>

#include <string_view>

namespace plicora {

// The program's texts end their lines in CR LF; Qt's text widgets break lines at LF alone and
// would show the CR. This gives the text with LF line ends.
QString displayText(QString text);
QString displayText(std::string_view utf8);

} // namespace plicora
