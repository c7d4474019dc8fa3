#include "cli/command_line.h"
#include "ui/application_setup.h"
#include "ui/form1.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    // With arguments the program is a command: no window, so no display is needed.
    if (argc > 1) {
        QCoreApplication app(argc, argv);
        QCoreApplication::setApplicationVersion(QStringLiteral(PLICORA_VERSION));
        return plicora::runCommandLine(QCoreApplication::arguments());
    }
    QApplication app(argc, argv);
    plicora::setUpApplication();
    plicora::Form1 form;
    form.show();
    return QApplication::exec();
}
