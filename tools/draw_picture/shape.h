#pragma once

#include <QColor>
#include <QPainter>
#include <QPolygonF>
#include <QString>
#include <QTransform>

#include <vector>

namespace draw {

// A filled and/or stroked outline in final coordinates, so that the same drawing can be painted
// at any size and written as SVG, which has no perspective transforms.
struct Shape {
    QPolygonF points;
    bool closed = false;
    QColor fill;   // invalid: not filled
    QColor stroke; // invalid: not stroked
    qreal width = 1;
    Qt::PenCapStyle cap = Qt::FlatCap;
    Qt::PenJoinStyle join = Qt::MiterJoin;
    bool dashed = false;
};

using Shapes = std::vector<Shape>;

// Paints `shapes` with the painter's current transform.
void paint(QPainter& painter, const Shapes& shapes);

// A standalone SVG document of `size` × `size` showing `shapes` through `view`.
QString svgDocument(const Shapes& shapes, int size, const QTransform& view);

} // namespace draw
