#include "cli/cli_messages.h"
#include "cli/command_line.h"
#include "cli/raw_arguments.h"
#include "cli/window_route.h"
#include "console/console.h"
#include "files/standard_streams.h"
#include "ui/application_setup.h"
#include "ui/booklet/booklet_window.h"
#include "ui/calculator/form1.h"
#include "ui/shared/file_path.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    // Before Qt opens anything that could take a closed standard stream's place.
    plicora::reserveStandardStreams();
    // A command opens no window, so it needs no display. Other arguments open a window: a
    // document, or Qt's own options (-style, -platform, a session manager's -session).
    if (plicora::isCommand(argc > 1 ? argv[1] : nullptr)) {
        QCoreApplication app(argc, argv);
        QCoreApplication::setApplicationVersion(QStringLiteral(PLICORA_VERSION));
        return plicora::runCommandLine(plicora::rawArguments(argc, argv));
    }
    // Read before Qt takes its own options out of argv, and refused before any display is needed.
    plicora::WindowRoute route;
    try {
        route = plicora::windowRoute(argc, argv);
    } catch (const plicora::UsageError& error) {
        return plicora::reportUsageError(error);
    }
    if (!plicora::displayAvailable(argc, argv)) {
        plicora::printErrorLine(plicora::noDisplayMessage);
        return plicora::exitFailure;
    }
    QApplication app(argc, argv);
    plicora::setUpApplication();
    switch (route.window) {
    case plicora::WindowRoute::Window::Main: {
        plicora::Form1 form;
        form.show();
        return QApplication::exec();
    }
    case plicora::WindowRoute::Window::Booklet:
        plicora::openBookletWindow(plicora::qtPath(route.document), plicora::Mode::FourUp);
        return QApplication::exec();
    case plicora::WindowRoute::Window::PrintJob:
        return plicora::printFromWindow(route.job) ? plicora::exitSuccess : plicora::exitFailure;
    case plicora::WindowRoute::Window::ChoosePdf:
        if (!plicora::chooseBookletDocument())
            return plicora::exitSuccess;
        return QApplication::exec();
    }
    return plicora::exitFailure;
}
