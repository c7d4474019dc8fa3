#pragma once

#include <QImage>
#include <QList>
#include <QSizeF>
#include <QString>

// What the Qt PDF module, plicora-pdf, offers the windows. It is loaded only when a window shows a
// PDF, so that the others start without Qt PDF and the libraries it brings.
namespace plicora::pdfmodule {

// The module's file name without its suffix; it lives beside the booklet engine.
inline constexpr const char* baseName = "plicora-pdf";

// The page count of the PDF at `path`, or -1 when Qt PDF can't read it.
using PageCount = int (*)(const QString& path);
inline constexpr const char* pageCountSymbol = "plicoraPdfPageCount";

// The size in points of the first page of the PDF at `path` as Qt PDF shows it; empty when Qt PDF
// can't read it.
using FirstPageSize = QSizeF (*)(const QString& path);
inline constexpr const char* firstPageSizeSymbol = "plicoraPdfFirstPageSize";

// Renders the first `count` pages of the PDF at `path` into `pages`, each fitted into `side`;
// false, and no page, when Qt PDF can't read as many.
using RenderPages = bool (*)(const QString& path, int count, QSize side, QList<QImage>* pages);
inline constexpr const char* renderPagesSymbol = "plicoraPdfRenderPages";

} // namespace plicora::pdfmodule
