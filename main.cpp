#include "ui/fonts.h"
#include "ui/form1.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Plicora"));
    plicora::installFontSubstitutes();
    plicora::Form1 form;
    form.show();
    return app.exec();
}
