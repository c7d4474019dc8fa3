#include "ui/application_setup.h"

#include "ui/accessibility.h"
#include "ui/after_first_paint.h"
#include "ui/calculator/fonts.h"
#include "ui/qt_translation.h"

#include <QApplication>
#include <QIcon>

namespace plicora {
namespace {

// The window icon at every size drawn for the desktop, so that it stays sharp at any scale.
void setWindowIcon() {
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/%1x%1/apps/plicora.png").arg(size));
    QApplication::setWindowIcon(icon);
}

} // namespace

void setUpApplication() {
    QApplication::setApplicationName(QStringLiteral("Plicora"));
    QApplication::setDesktopFileName(QStringLiteral("org.example.plicora"));
    installFontSubstitutes();
    installAccessibleRoles();
    // Nothing the user can reach before the first paint shows Qt's own texts.
    new AfterFirstPaint([] { // owned by the application
        setWindowIcon();
        loadQtTranslation();
    });
}

} // namespace plicora
