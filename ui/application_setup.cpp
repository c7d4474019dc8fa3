#include "application_setup.h"

#include "accessibility.h"
#include "fonts.h"
#include "icon_after_first_paint.h"
#include "qt_translation.h"

#include <QApplication>

namespace plicora {

void setUpApplication() {
    QApplication::setApplicationName(QStringLiteral("Plicora"));
    QApplication::setDesktopFileName(QStringLiteral("org.example.plicora"));
    new IconAfterFirstPaint; // owned by the application
    installFontSubstitutes();
    installAccessibleRoles();
    loadQtTranslation();
}

} // namespace plicora
