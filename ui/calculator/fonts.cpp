#include "ui/calculator/fonts.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStringList>

namespace plicora {

void installFontSubstitutes() {
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               QStringList{QStringLiteral("Liberation Sans"),
                                           QStringLiteral("Arial"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Courier"),
                               QStringList{QStringLiteral("Nimbus Mono PS"),
                                           QStringLiteral("Liberation Mono"),
                                           QStringLiteral("DejaVu Sans Mono")});
    QFont::insertSubstitutions(QStringLiteral("Times New Roman"),
                               QStringList{QStringLiteral("Liberation Serif"),
                                           QStringLiteral("Nimbus Roman"),
                                           QStringLiteral("DejaVu Serif")});
}

QFont windowFont(const char* family, double points, bool bold) {
    QFont font(QString::fromLatin1(family));
    // Qt turns points into pixels at the screen's logical dpi, which is 96 unless the user forces
    // another; compensating keeps the layout's pixel sizes.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const qreal dpi = screen ? screen->logicalDotsPerInchY() : 96.0;
    font.setPointSizeF(points * 96.0 / dpi);
    font.setBold(bold);
    return font;
}

QFont fixedPitchFont(double points) {
    QFont font = windowFont("Courier", points);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

} // namespace plicora
