#pragma once

#include <QImage>
#include <QList>
#include <QSizeF>
#include <QString>

namespace plicora {

// Qt PDF, through the module installed beside the booklet engine `engine`, loaded on first use.
// Safe to call from any thread.

// The page count of the PDF at `path`, or -1 when it can't be read or the module is missing.
int pdfPageCount(const QString& engine, const QString& path);

// The size in points of the first page of the PDF at `path`; empty when it can't be read or the
// module is missing.
QSizeF pdfFirstPageSize(const QString& engine, const QString& path);

// The first `count` pages of the PDF at `path`, each fitted into `side`; none when they can't be
// read or the module is missing.
QList<QImage> renderPdfPages(const QString& engine, const QString& path, int count, QSize side);

} // namespace plicora
