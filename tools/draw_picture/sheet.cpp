#include "sheet.h"

#include <QLineF>
#include <QRectF>
#include <QTransform>

#include <algorithm>
#include <array>
#include <cmath>

namespace draw {
namespace {

const QColor sheetOutline(36, 84, 196);
const QRectF flatSheet(0, 0, 200, 130);

QTransform flatToQuad(const QPolygonF& quad) {
    // QPolygonF(QRectF) is closed (five points); quadToQuad wants exactly four.
    QPolygonF corners;
    corners << flatSheet.topLeft() << flatSheet.topRight() << flatSheet.bottomRight()
            << flatSheet.bottomLeft();
    QTransform t;
    QTransform::quadToQuad(corners, quad, t);
    return t;
}

// How much the map stretches lengths around the sheet's centre, for the widths of strokes.
qreal stretch(const QTransform& t) {
    const QPointF c = flatSheet.center();
    const QPointF a = t.map(c), b = t.map(c + QPointF(1, 0)), d = t.map(c + QPointF(0, 1));
    return std::sqrt(
        std::abs(QLineF(a, b).dx() * QLineF(a, d).dy() - QLineF(a, b).dy() * QLineF(a, d).dx()));
}

Shape line(const QTransform& t, QPointF from, QPointF to, QColor colour, qreal width) {
    Shape s;
    s.points << t.map(from) << t.map(to);
    s.stroke = colour;
    s.width = width * stretch(t);
    return s;
}

} // namespace

QPolygonF sheetQuad(const QPointF& origin, qreal fanDegrees) {
    QPolygonF quad;
    quad << QPointF(36, 0) << QPointF(232, 14) << QPointF(206, 140) << QPointF(0, 120);
    quad.translate(origin);
    const QPointF pivot = quad[3];
    return QTransform()
        .translate(pivot.x(), pivot.y())
        .rotate(fanDegrees)
        .translate(-pivot.x(), -pivot.y())
        .map(quad);
}

Shapes sheetShapes(const Sheet& sheet, const QPolygonF& quad, const SheetLook& look) {
    const QTransform t = flatToQuad(quad);
    Shape outline;
    outline.points = quad;
    outline.closed = true;
    outline.fill = sheet.fill;
    outline.stroke = sheetOutline;
    outline.width = look.outline * stretch(t);
    outline.cap = Qt::RoundCap;
    outline.join = Qt::RoundJoin;
    Shapes shapes{outline};
    if (look.textLines == 0)
        return shapes;

    // Folded booklet: a centre crease with a column of text on each half.
    QColor crease = sheet.ink;
    crease.setAlpha(140);
    const qreal middle = flatSheet.center().x();
    shapes.push_back(line(t, QPointF(middle, 6), QPointF(middle, flatSheet.bottom() - 6), crease,
                          look.textWidth * 0.4));
    shapes.back().dashed = true;

    QColor ink = sheet.ink;
    ink.setAlpha(170);
    const std::array<qreal, 6> lengths{0.9, 0.8, 0.9, 0.7, 0.85, 0.5};
    const int count = std::min(look.textLines, static_cast<int>(lengths.size()));
    const qreal pitch = 90.0 / count;
    for (int half = 0; half < 2; ++half) {
        const qreal left = 12 + half * flatSheet.width() / 2;
        const qreal span = flatSheet.width() / 2 - 24;
        for (int i = 0; i < count; ++i) {
            const qreal y = 30 + pitch * i;
            shapes.push_back(line(t, QPointF(left, y),
                                  QPointF(left + span * lengths[static_cast<size_t>(i)], y), ink,
                                  look.textWidth));
        }
    }
    return shapes;
}

void drawSheetNumber(QPainter& painter, const Sheet& sheet, const QPolygonF& quad,
                     const QFont& font) {
    painter.save();
    painter.setTransform(flatToQuad(quad), true);
    painter.setPen(sheet.ink);
    painter.setFont(font);
    painter.drawText(QRectF(flatSheet.right() - 60, 1, 54, 17), Qt::AlignRight | Qt::AlignVCenter,
                     QString::number(sheet.number));
    painter.restore();
}

} // namespace draw
