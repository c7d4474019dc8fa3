#include "icon.h"

#include "sheet.h"

#include <array>

namespace draw {
namespace {

constexpr int svgSize = 256;

// Three sheets fanned like the picture's stack, the front one a folded booklet. Flat, bold shapes
// so it still reads at 48 pixels; below 32 the text lines would only be noise.
Shapes iconShapes(int size, QRectF* bounds) {
    const std::array<Sheet, 3> sheets{{
        {QColor(206, 44, 44), QColor(255, 255, 255), 1},
        {QColor(255, 255, 255), QColor(40, 40, 40), 3},
        {QColor(131, 188, 183), QColor(40, 40, 40), 5},
    }};
    const QPointF step(30, -24);
    const qreal fanDegrees = -7;

    Shapes shapes;
    for (int i = static_cast<int>(sheets.size()) - 1; i >= 0; --i) {
        const QPolygonF quad = sheetQuad(step * i, fanDegrees * i);
        *bounds |= quad.boundingRect();
        const SheetLook look{size < 32 ? 14.0 : 9.0, i == 0 && size >= 32 ? 3 : 0, 10};
        const Shapes sheet = sheetShapes(sheets[static_cast<size_t>(i)], quad, look);
        shapes.insert(shapes.end(), sheet.begin(), sheet.end());
    }
    return shapes;
}

// Scales the stack to fill the square, centred, leaving room for the outline.
QTransform view(const QRectF& bounds, int size) {
    const qreal margin = size * 10.0 / 256;
    const qreal scale = (size - 2 * margin) / std::max(bounds.width(), bounds.height());
    return QTransform()
        .translate(size / 2.0, size / 2.0)
        .scale(scale, scale)
        .translate(-bounds.center().x(), -bounds.center().y());
}

} // namespace

QImage drawIcon(int size) {
    QRectF bounds;
    const Shapes shapes = iconShapes(size, &bounds);
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHints(QPainter::Antialiasing);
    p.setTransform(view(bounds, size));
    paint(p, shapes);
    return image;
}

QString iconSvg() {
    QRectF bounds;
    const Shapes shapes = iconShapes(svgSize, &bounds);
    return svgDocument(shapes, svgSize, view(bounds, svgSize));
}

} // namespace draw
