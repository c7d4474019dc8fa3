#include "ui/fonts.h"
#include "ui/form1.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Plicora"));
    QApplication::setDesktopFileName(QStringLiteral("org.example.plicora"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/plicora.png")));
    plicora::installFontSubstitutes();
    plicora::Form1 form;
    form.show();
    return QApplication::exec();
}
