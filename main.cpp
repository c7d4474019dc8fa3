#include "cli/command_line.h"
#include "ui/fonts.h"
#include "ui/form1.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[]) {
    // With arguments the program is a command: no window, so no display is needed.
    if (argc > 1) {
        QCoreApplication app(argc, argv);
        QCoreApplication::setApplicationVersion(QStringLiteral(PLICORA_VERSION));
        return plicora::runCommandLine(QCoreApplication::arguments());
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Plicora"));
    QApplication::setDesktopFileName(QStringLiteral("plicora"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/plicora.png")));
    plicora::installFontSubstitutes();
    plicora::Form1 form;
    form.show();
    return QApplication::exec();
}
