#pragma once

#include <QString>

#include <string_view>

namespace plicora {

// Qt's text widgets break lines at LF and would show the CR of a CR LF line end. This gives the
// text with LF line ends, whichever of the two it had.
QString displayText(QString text);
QString displayText(std::string_view utf8);

} // namespace plicora
