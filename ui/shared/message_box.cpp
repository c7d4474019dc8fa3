#include "ui/shared/message_box.h"

#include <QFontMetrics>
#include <QLabel>
#include <QMessageBox>

#include <algorithm>

namespace plicora {
namespace {

// QMessageBox wraps any text wider than about 500 pixels into ragged lines. A label at least as
// wide as the widest line widens the box instead, up to what the screen allows.
void keepLinesWhole(QMessageBox& box) {
    // The label is found by the text it shows, not by Qt's private name for it.
    QLabel* label = nullptr;
    for (QLabel* child : box.findChildren<QLabel*>())
        if (child->text() == box.text())
            label = child;
    if (!label)
        return;
    const QFontMetrics metrics(label->font());
    int widest = 0;
    for (const QString& line : box.text().split(QLatin1Char('\n')))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    label->setMinimumWidth(widest + 2 * metrics.averageCharWidth());
}

} // namespace

void showMessage(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Plicora"), text, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("MessageBox"));
    keepLinesWhole(box);
    box.exec();
}

} // namespace plicora
