#include "ui/booklet/side_picture.h"

#include "core/paper.h"
#include "core/side_cells.h"

#include <QPainter>

#include <algorithm>

namespace plicora {
namespace {

// `rect`, measured from the bottom as PDF does, measured from the top of a side `height` tall.
QRectF fromTop(const SideRect& rect, double height) {
    return QRectF(rect.left, height - rect.top, rect.right - rect.left, rect.top - rect.bottom);
}

} // namespace

SidePicture sheetPicture(const SheetSides& sides, int sheet, Face face, const BookletJob& job) {
    const SideSize size = sideSize(job.paper);
    const Sheet& chosen = sides.sheets.at(static_cast<std::size_t>(sheet));
    const SheetSide& side = chosen.side(face);
    const std::vector<SideRect> cells = sideCellRects(sides.mode, size);
    const int signatureSheets =
        sides.signatures.at(static_cast<std::size_t>(chosen.signature)).sheets;
    const double creep = creepPoints(job.creep, chosen.place, signatureSheets);
    SidePicture picture{.size = QSizeF(size.width, size.height),
                        .paper = {QRectF(0, 0, size.width, size.height)},
                        // One file turned on the long edge has its backs turned.
                        .turned = face == Face::Back && job.edge == Edge::Long};
    for (int cell = 0; cell < side.cells; ++cell) {
        if (side.isBlank(cell))
            continue;
        const SideRect& rect = cells[static_cast<std::size_t>(cell)];
        const bool leftOfFold = rect.right <= size.width / 2.0;
        picture.pages.append({.page = side.pages[static_cast<std::size_t>(cell)] - 1,
                              .cell = fromTop(rect, size.height),
                              .shift = leftOfFold ? creep : -creep});
    }
    return picture;
}

SidePicture spreadPicture(const Spread& spread, int pageCount, int documentPages,
                          const BookletJob& job) {
    const CellSize cell = cellSize(job.mode, sideSize(job.paper));
    SidePicture picture{.size = QSizeF(2 * cell.width, cell.height), .outlined = true};
    int column = 0;
    for (const int position : {spread.left, spread.right}) {
        const QRectF rect(column++ * cell.width, 0, cell.width, cell.height);
        if (position == 0)
            continue;
        picture.paper.append(rect);
        const int page = documentPageAt(position, documentPages, pageCount, job.binding);
        if (page > 0)
            picture.pages.append({.page = page - 1, .cell = rect});
    }
    return picture;
}

QImage drawPicture(const SidePicture& picture, QSize pixels,
                   const std::function<QSizeF(int page)>& pageSize,
                   const std::function<QImage(int page, QSize pixels)>& render) {
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    if (picture.size.isEmpty() || pixels.isEmpty())
        return image;
    QPainter painter(&image);
    const qreal scale =
        std::min(pixels.width() / picture.size.width(), pixels.height() / picture.size.height());
    painter.translate((pixels.width() - scale * picture.size.width()) / 2,
                      (pixels.height() - scale * picture.size.height()) / 2);
    if (picture.turned) {
        painter.translate(scale * picture.size.width(), scale * picture.size.height());
        painter.rotate(180);
    }
    const auto onImage = [scale](const QRectF& points) {
        return QRectF(points.topLeft() * scale, points.size() * scale);
    };
    for (const QRectF& paper : picture.paper)
        painter.fillRect(onImage(paper), Qt::white);
    for (const PlacedPage& placed : picture.pages) {
        const QSizeF size = pageSize(placed.page);
        if (size.isEmpty())
            continue;
        const QRectF cell = onImage(placed.cell);
        // Whole pixels, so that the page is drawn as rendered, without a blurring resample.
        const QSize fitted = size.scaled(cell.size(), Qt::KeepAspectRatio).toSize();
        QRectF where{QPointF(), QSizeF(fitted)};
        where.moveCenter(cell.center() + QPointF(placed.shift * scale, 0));
        painter.save();
        painter.setClipRect(cell);
        painter.drawImage(where.topLeft().toPoint(), render(placed.page, fitted));
        painter.restore();
    }
    if (picture.outlined) {
        painter.setPen(QPen(Qt::black, 1));
        for (const QRectF& paper : picture.paper)
            painter.drawRect(onImage(paper).adjusted(0.5, 0.5, -0.5, -0.5));
    }
    return image;
}

} // namespace plicora
