// The yardstick for the program's start-up: a bare Qt Widgets window of the main window's size
// showing one label, started the same way.
#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Plicora"));
    window.setFixedSize(651, 357);
    QLabel label(QStringLiteral("Stampa opuscoletto"), &window);
    label.move(104, 24);
    window.show();
    return QApplication::exec();
}
