#include "ui/calculator/link_button.h"

#include <QPainter>

namespace plicora {

LinkButton::LinkButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {
    setFlat(true);
    setAutoDefault(true); // Enter presses the focused button, as Space does
}

// A flat button's face shows no focus in most styles: the mark is drawn in the caption's colour.
void LinkButton::paintEvent(QPaintEvent* event) {
    QPushButton::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::ButtonText), 1, Qt::DotLine));
    painter.drawRect(rect().adjusted(1, 1, -2, -2));
}

} // namespace plicora
