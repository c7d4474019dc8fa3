#include "ui/booklet/fold_drawing.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace plicora {
namespace {

// The most sheets drawn in a folded stack: more would only blur into a thick line.
constexpr int stackDrawnMax = 4;
constexpr qreal stackStep = 3;

// A curved arrow from `from` to `to`, bulging by `bulge` pixels upwards.
void drawArrow(QPainter& painter, QPointF from, QPointF to, qreal bulge) {
    QPainterPath path(from);
    const QPointF middle = (from + to) / 2 - QPointF(0, bulge);
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

void FoldDrawing::setRightToLeft(bool rightToLeft) {
    rightToLeft_ = rightToLeft;
    update();
}

void FoldDrawing::setSheets(int sheets) {
    sheets_ = sheets;
    update();
}

namespace {

// The page numbers on the right half of the sheet: the cover once folded.
void drawCover(QPainter& painter, const QRectF& half, Mode mode) {
    if (mode == Mode::FourUp) {
        painter.drawText(half, Qt::AlignCenter, QStringLiteral("1"));
        return;
    }
    const qreal middle = half.center().y();
    painter.drawText(QRectF(half.left(), half.top(), half.width(), middle - half.top()),
                     Qt::AlignCenter, QStringLiteral("1"));
    painter.drawText(QRectF(half.left(), middle, half.width(), half.bottom() - middle),
                     Qt::AlignCenter, QStringLiteral("2"));
    painter.setPen(QPen(painter.pen().color(), 0.75, Qt::DotLine));
    painter.drawLine(QPointF(half.left(), middle), QPointF(half.right(), middle));
}

} // namespace

void FoldDrawing::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor ink = palette().color(QPalette::WindowText);
    const QColor paper = palette().color(QPalette::Base);
    const qreal width = this->width(), height = this->height();
    const qreal gap = height * 0.12;
    // Two sheets one above the other, the arrow and the stack's depth between them.
    const qreal sheetHeight =
        std::min(width * 0.6 / 1.414, (height - gap - stackDrawnMax * stackStep - 4) / 2);
    const qreal sheetWidth = sheetHeight * 1.414, left = (width - sheetWidth) / 2;

    // Above: the sheet, front up, and the left half going under the right along the middle.
    const QRectF sheet(left, 2, sheetWidth, sheetHeight);
    painter.setPen(QPen(ink, 1.5));
    painter.setBrush(paper);
    painter.drawRect(sheet);
    // The cover is the half that stays on top: the right one, or the left opening from the right.
    const qreal coverLeft = rightToLeft_ ? sheet.left() : sheet.center().x();
    drawCover(painter, QRectF(coverLeft, sheet.top(), sheetWidth / 2, sheetHeight), mode_);
    painter.setPen(QPen(ink, 1, Qt::DashLine));
    painter.drawLine(QPointF(sheet.center().x(), sheet.top()),
                     QPointF(sheet.center().x(), sheet.bottom()));
    painter.setPen(QPen(ink, 1.5));
    const QPointF leftEnd = sheet.bottomLeft() + QPointF(sheetWidth * 0.15, 3);
    const QPointF rightEnd = sheet.bottomRight() - QPointF(sheetWidth * 0.15, -3);
    drawArrow(painter, rightToLeft_ ? rightEnd : leftEnd, rightToLeft_ ? leftEnd : rightEnd,
              -gap * 0.8);

    // Below: the folded stack, page 1 on top, the fold on the left (on the right from the right).
    const int stacked = std::clamp(sheets_, 1, stackDrawnMax);
    const int outwards = rightToLeft_ ? -1 : 1;
    const QRectF folded(left + sheetWidth / 4, height - sheetHeight - 2 - (stacked - 1) * stackStep,
                        sheetWidth / 2, sheetHeight);
    for (int layer = stacked - 1; layer >= 0; --layer) {
        painter.setPen(QPen(ink, 1.5));
        painter.setBrush(paper);
        painter.drawRect(folded.translated(outwards * layer * stackStep, layer * stackStep));
    }
    drawCover(painter, folded, mode_);
}

} // namespace plicora
