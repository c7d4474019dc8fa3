#pragma once

#include <QImage>
#include <QSize>
#include <QSizeF>
#include <QString>

// What the Qt PDF module, plicora-pdf, offers the windows. It is loaded only when a window shows a
// PDF, so that the others start without Qt PDF and the libraries it brings.
namespace plicora::pdfmodule {

// The module's file name without its suffix; it lives beside the booklet engine.
inline constexpr const char* baseName = "plicora-pdf";

// A PDF read once and kept open, for its page count, sizes and renderings; one thread at a time.
struct Document;

// Reads the PDF at `path`; null when Qt PDF can't read it.
using Open = Document* (*)(const QString& path);
inline constexpr const char* openSymbol = "plicoraPdfOpen";

// Lets go of a document Open returned.
using Close = void (*)(Document* document);
inline constexpr const char* closeSymbol = "plicoraPdfClose";

// The document's page count.
using PageCount = int (*)(const Document* document);
inline constexpr const char* pageCountSymbol = "plicoraPdfPageCount";

// The size in points of page `page` (from 0) as Qt PDF shows it, turned as the page asks.
using PageSize = QSizeF (*)(const Document* document, int page);
inline constexpr const char* pageSizeSymbol = "plicoraPdfPageSize";

// Page `page` (from 0) rendered at `size` pixels; a null image when it can't be.
using RenderPage = QImage (*)(Document* document, int page, QSize size);
inline constexpr const char* renderPageSymbol = "plicoraPdfRenderPage";

} // namespace plicora::pdfmodule
