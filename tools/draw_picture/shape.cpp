#include "shape.h"

#include <QPen>

namespace draw {
namespace {

QString number(qreal value) {
    return QString::number(value, 'g', 6); // always with "." whatever the locale
}

QString colour(const QColor& c) {
    return c.name(QColor::HexRgb);
}

QString svgAttributes(const Shape& shape) {
    QString a = shape.fill.isValid() ? QStringLiteral(" fill=\"%1\"").arg(colour(shape.fill))
                                     : QStringLiteral(" fill=\"none\"");
    if (shape.fill.isValid() && shape.fill.alpha() != 255)
        a += QStringLiteral(" fill-opacity=\"%1\"").arg(number(shape.fill.alphaF()));
    if (!shape.stroke.isValid())
        return a;
    a += QStringLiteral(" stroke=\"%1\" stroke-width=\"%2\"")
             .arg(colour(shape.stroke), number(shape.width));
    if (shape.stroke.alpha() != 255)
        a += QStringLiteral(" stroke-opacity=\"%1\"").arg(number(shape.stroke.alphaF()));
    a += shape.cap == Qt::RoundCap    ? QStringLiteral(" stroke-linecap=\"round\"")
         : shape.cap == Qt::SquareCap ? QStringLiteral(" stroke-linecap=\"square\"")
                                      : QString();
    if (shape.join == Qt::RoundJoin)
        a += QStringLiteral(" stroke-linejoin=\"round\"");
    if (shape.dashed) // Qt's dash line: 4 widths on, 2 off
        a += QStringLiteral(" stroke-dasharray=\"%1 %2\"")
                 .arg(number(4 * shape.width), number(2 * shape.width));
    return a;
}

} // namespace

void paint(QPainter& painter, const Shapes& shapes) {
    for (const Shape& shape : shapes) {
        painter.setBrush(shape.fill.isValid() ? QBrush(shape.fill) : QBrush(Qt::NoBrush));
        painter.setPen(shape.stroke.isValid() ? QPen(shape.stroke, shape.width,
                                                     shape.dashed ? Qt::DashLine : Qt::SolidLine,
                                                     shape.cap, shape.join)
                                              : QPen(Qt::NoPen));
        if (shape.closed)
            painter.drawPolygon(shape.points);
        else
            painter.drawPolyline(shape.points);
    }
}

QString svgDocument(const Shapes& shapes, int size, const QTransform& view) {
    QString svg = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                 "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" "
                                 "height=\"%1\" viewBox=\"0 0 %1 %1\">\n")
                      .arg(size);
    svg += QStringLiteral("<g transform=\"matrix(%1 %2 %3 %4 %5 %6)\">\n")
               .arg(number(view.m11()), number(view.m12()), number(view.m21()), number(view.m22()),
                    number(view.dx()), number(view.dy()));
    for (const Shape& shape : shapes) {
        QString points;
        for (const QPointF& p : shape.points)
            points += number(p.x()) + u',' + number(p.y()) + u' ';
        svg += QStringLiteral("<%1 points=\"%2\"%3/>\n")
                   .arg(shape.closed ? QStringLiteral("polygon") : QStringLiteral("polyline"),
                        points.trimmed(), svgAttributes(shape));
    }
    return svg + QStringLiteral("</g>\n</svg>\n");
}

} // namespace draw
