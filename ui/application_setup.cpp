#include "application_setup.h"

#include "accessibility.h"
#include "fonts.h"
#include "qt_translation.h"

#include <QApplication>
#include <QIcon>

namespace plicora {

void setUpApplication() {
    QApplication::setApplicationName(QStringLiteral("Plicora"));
    QApplication::setDesktopFileName(QStringLiteral("org.example.plicora"));
    // Every size drawn for the desktop, so that the icon stays sharp at any scale factor.
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/%1x%1/apps/plicora.png").arg(size));
    QApplication::setWindowIcon(icon);
    installFontSubstitutes();
    installAccessibleRoles();
    loadQtTranslation();
}

} // namespace plicora
