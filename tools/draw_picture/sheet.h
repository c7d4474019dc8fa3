#pragma once

#include "shape.h"

#include <QColor>
#include <QPainter>
#include <QPolygonF>

namespace draw {

struct Sheet {
    QColor fill;
    QColor ink; // page number and text lines, chosen to read on the fill
    int number;
};

// How much of a sheet to draw, in the flat sheet's units; the icon needs bolder strokes and
// fewer lines than the picture to survive shrinking.
struct SheetLook {
    qreal outline;
    int textLines; // per half of the folded booklet; 0 for a plain sheet
    qreal textWidth;
};

// The tilted quad a sheet occupies: turned about its bottom-left corner so a stack opens like a
// fan.
QPolygonF sheetQuad(const QPointF& origin, qreal fanDegrees);

// The sheet drawn flat, then mapped onto its quad so that its lines share the quad's
// perspective.
Shapes sheetShapes(const Sheet& sheet, const QPolygonF& quad, const SheetLook& look);

// Writes the sheet's page number in its top-right corner, in the quad's perspective.
void drawSheetNumber(QPainter& painter, const Sheet& sheet, const QPolygonF& quad,
                     const QFont& font);

} // namespace draw
