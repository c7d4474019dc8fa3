#include "ui/qt_translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace plicora {

void loadQtTranslation() {
    // The interface is Italian whatever the user's locale, so Qt's texts are too.
    auto* translator = new QTranslator(QCoreApplication::instance());
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (translator->load(QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qtbase"),
                         QStringLiteral("_"), folder) &&
        QCoreApplication::installTranslator(translator))
        return;
    qWarning("Plicora: traduzione italiana di Qt non trovata in %s (pacchetto "
             "qt6-translations-l10n): i menu di Qt restano in inglese",
             qPrintable(folder));
    delete translator;
}

} // namespace plicora
