#pragma once

#include "core/booklet_job.h"
#include "core/reading_spreads.h"
#include "core/sheet_sides.h"

#include <QImage>
#include <QList>
#include <QRectF>
#include <QSizeF>

#include <functional>

namespace plicora {

// A document page in a cell of a picture.
struct PlacedPage {
    int page = 0;     // the document's page, from 0
    QRectF cell = {}; // in points from the picture's top-left corner
    qreal shift = 0;  // points it moves across, towards the fold, clipped to its cell
};

// What the preview shows of a sheet's side or of two facing pages: paper and the document's pages
// on it, placed as the booklet places them.
struct SidePicture {
    QSizeF size = {};         // in points
    QList<QRectF> paper = {}; // white, in points; the rest shows nothing
    QList<PlacedPage> pages = {};
    bool turned = false;   // the whole picture turned by 180 degrees, as the backs print
    bool outlined = false; // each paper framed, where no frame of the window's surrounds it
};

// Side `face` of sheet `sheet` (from 0) of `sides`, as `job` prints it on a duplex printer.
SidePicture sheetPicture(const SheetSides& sides, int sheet, Face face, const BookletJob& job);

// Spread `spread` of a booklet of `pageCount` pages made of `documentPages` pages, each page in a
// cell of `job`'s layout.
SidePicture spreadPicture(const Spread& spread, int pageCount, int documentPages,
                          const BookletJob& job);

// `picture` drawn at `pixels`, its proportions kept; each page fitted into its cell with its
// proportions kept and centred, from `pageSize` (points) and `render` (at the pixels asked).
QImage drawPicture(const SidePicture& picture, QSize pixels,
                   const std::function<QSizeF(int page)>& pageSize,
                   const std::function<QImage(int page, QSize pixels)>& render);

} // namespace plicora
