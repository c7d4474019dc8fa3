#include "fold_drawing.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace plicora {
namespace {

// The most sheets drawn in a folded stack: more would only blur into a thick line.
constexpr int stackDrawnMax = 4;
constexpr qreal stackStep = 3;

// A curved arrow from `from` to `to`, its middle moved by `bulge`.
void drawArrow(QPainter& painter, QPointF from, QPointF to, QPointF bulge) {
    QPainterPath path(from);
    const QPointF middle = (from + to) / 2 + bulge;
    path.quadTo(middle, to);
    painter.drawPath(path);
    // The head points along the curve's last tangent.
    const QPointF direction = to - middle;
    const qreal length = std::hypot(direction.x(), direction.y());
    const QPointF unit = direction / length, normal(-unit.y(), unit.x());
    painter.drawLine(to, to - 7 * unit + 4 * normal);
    painter.drawLine(to, to - 7 * unit - 4 * normal);
}

} // namespace

FoldDrawing::FoldDrawing(QWidget* parent) : QWidget(parent) {}

void FoldDrawing::setMode(Mode mode) {
    mode_ = mode;
    update();
}

void FoldDrawing::setSheets(int sheets) {
    sheets_ = sheets;
    update();
}

void FoldDrawing::setLongEdge(bool longEdge) {
    longEdge_ = longEdge;
    update();
}

void FoldDrawing::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor ink = palette().color(QPalette::WindowText);
    const QColor paper = palette().color(QPalette::Base);
    const qreal width = this->width(), height = this->height();
    const qreal sheetWidth = width * 0.55, sheetHeight = sheetWidth / 1.414;
    const qreal left = (width - sheetWidth) / 2, headroom = height * 0.12;

    // Above: the sheet turned over around the axis between its short edges, the top staying the
    // top; or, on the long edge, around the axis between the long edges, top and bottom swapping.
    const QRectF turned(left, headroom, sheetWidth, sheetHeight);
    painter.setPen(QPen(ink, 1.5));
    painter.setBrush(paper);
    painter.drawRect(turned);
    painter.setBrush(Qt::NoBrush);
    if (longEdge_)
        drawArrow(painter, turned.topLeft() + QPointF(-2, 6), turned.bottomLeft() + QPointF(-2, -6),
                  QPointF(-left * 0.8, 0));
    else
        drawArrow(painter, turned.topLeft() + QPointF(6, -2), turned.topRight() + QPointF(-6, -2),
                  QPointF(0, -headroom * 0.8));
    painter.setPen(QPen(ink, 1, Qt::DashLine));
    if (longEdge_)
        painter.drawLine(QPointF(turned.left() - left * 0.5, turned.center().y()),
                         QPointF(turned.right() + left * 0.5, turned.center().y()));
    else
        painter.drawLine(QPointF(turned.center().x(), turned.top() - headroom * 0.5),
                         QPointF(turned.center().x(), turned.bottom() + headroom * 0.5));

    // Below: the fold down the middle, the right half laid over the left; four-up, the sheets
    // folded together show as a stack behind it.
    const int stacked = mode_ == Mode::FourUp ? std::clamp(sheets_, 1, stackDrawnMax) : 1;
    const QRectF folded(left, height - sheetHeight - 4 - (stacked - 1) * stackStep, sheetWidth,
                        sheetHeight);
    painter.setPen(QPen(ink, 1.5));
    painter.setBrush(paper);
    for (int sheet = stacked - 1; sheet >= 0; --sheet)
        painter.drawRect(folded.translated(sheet * stackStep, sheet * stackStep));
    painter.setPen(QPen(ink, 1.5, Qt::DashLine));
    painter.drawLine(QPointF(folded.center().x(), folded.top()),
                     QPointF(folded.center().x(), folded.bottom()));
    if (mode_ == Mode::EightUp) {
        painter.setPen(QPen(ink, 0.75, Qt::DotLine));
        painter.drawLine(QPointF(folded.left(), folded.center().y()),
                         QPointF(folded.right(), folded.center().y()));
    }
    painter.setPen(QPen(ink, 1.5));
    drawArrow(painter, QPointF(folded.right() - 6, folded.top() - 2),
              QPointF(folded.left() + 6, folded.top() - 2), QPointF(0, -headroom * 0.8));
}

} // namespace plicora
