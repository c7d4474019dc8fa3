#include "ui/calculator/wrapping_button.h"

#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace plicora {
namespace {

constexpr int edgeWidth = 2;
const QColor lightEdge(255, 255, 255);
const QColor darkEdge(128, 96, 64);

} // namespace

WrappingButton::WrappingButton(const QString& caption, QWidget* parent, QColor face)
    : QPushButton(caption, parent), face_(face) {
    setAutoDefault(true); // Enter presses the focused button, as Space does
}

void WrappingButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    QPalette palette = this->palette();
    if (face_.isValid()) {
        paintFace(painter);
        palette.setColor(QPalette::ButtonText, Qt::black); // a light theme's ink won't read
    } else {
        painter.drawControl(QStyle::CE_PushButton, option);
    }
    const QRect textArea = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    painter.drawItemText(textArea, Qt::AlignCenter | Qt::TextWordWrap, palette, isEnabled(), text(),
                         QPalette::ButtonText);
}

// Drawn by hand rather than by a style sheet, which costs start-up time and memory, and rather
// than by the style, which may shade the face as a gradient.
void WrappingButton::paintFace(QPainter& painter) const {
    const QRect all = rect();
    painter.fillRect(all, face_);
    const QColor& topLeft = isDown() ? darkEdge : lightEdge;
    const QColor& bottomRight = isDown() ? lightEdge : darkEdge;
    painter.fillRect(QRect(0, 0, all.width(), edgeWidth), topLeft);
    painter.fillRect(QRect(0, 0, edgeWidth, all.height()), topLeft);
    // The corners where the two edges meet are cut diagonally, as raised frames are.
    for (int i = 0; i < edgeWidth; ++i) {
        painter.fillRect(QRect(i + 1, all.height() - 1 - i, all.width() - i - 1, 1), bottomRight);
        painter.fillRect(QRect(all.width() - 1 - i, i + 1, 1, all.height() - i - 1), bottomRight);
    }
    if (hasFocus()) {
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter.drawRect(
            all.adjusted(edgeWidth + 3, edgeWidth + 3, -edgeWidth - 4, -edgeWidth - 4));
    }
}

} // namespace plicora
