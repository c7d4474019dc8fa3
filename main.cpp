#include "cli/command_line.h"
#include "cli/raw_arguments.h"
#include "files/standard_streams.h"
#include "ui/application_setup.h"
#include "ui/form1.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    // Before Qt opens anything that could take a closed standard stream's place.
    plicora::reserveStandardStreams();
    // A command opens no window, so it needs no display. Any other argument is Qt's to read:
    // -style, -platform, a session manager's -session.
    if (plicora::isCommand(argc > 1 ? argv[1] : nullptr)) {
        QCoreApplication app(argc, argv);
        QCoreApplication::setApplicationVersion(QStringLiteral(PLICORA_VERSION));
        return plicora::runCommandLine(plicora::rawArguments(argc, argv));
    }
    QApplication app(argc, argv);
    plicora::setUpApplication();
    plicora::Form1 form;
    form.show();
    return QApplication::exec();
}
