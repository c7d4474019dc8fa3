#include "display_text.h"

namespace plicora {

QString displayText(QString text) {
    return text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

QString displayText(std::string_view utf8) {
    return displayText(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
}

} // namespace plicora
