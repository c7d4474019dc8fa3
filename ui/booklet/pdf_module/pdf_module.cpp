// plicora-pdf: Qt PDF for the windows, loaded on demand (see pdf_module_interface.h).
#include "pdf_module_interface.h"

#include <QBuffer>
#include <QFile>
#include <QPdfDocument>

#include <type_traits>

namespace plicora::pdfmodule {
// Read whole into memory: Qt PDF reads a file as it goes, and waits for ever for a page of one
// that was replaced or cut short meanwhile.
struct Document {
    QByteArray bytes;
    QBuffer buffer{&bytes};
    QPdfDocument pdf{nullptr};
};
} // namespace plicora::pdfmodule

using plicora::pdfmodule::Document;

extern "C" Q_DECL_EXPORT Document* plicoraPdfOpen(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return nullptr;
    auto* document = new Document;
    document->bytes = file.readAll();
    document->buffer.open(QIODevice::ReadOnly);
    // Everything is there, so the document is ready as soon as it is loaded.
    document->pdf.load(&document->buffer);
    if (document->pdf.status() == QPdfDocument::Status::Ready)
        return document;
    delete document;
    return nullptr;
}

extern "C" Q_DECL_EXPORT void plicoraPdfClose(Document* document) {
    delete document;
}

extern "C" Q_DECL_EXPORT int plicoraPdfPageCount(const Document* document) {
    return document->pdf.pageCount();
}

extern "C" Q_DECL_EXPORT QSizeF plicoraPdfPageSize(const Document* document, int page) {
    return document->pdf.pagePointSize(page);
}

extern "C" Q_DECL_EXPORT QImage plicoraPdfRenderPage(Document* document, int page, QSize size) {
    if (page < 0 || page >= document->pdf.pageCount() || size.isEmpty())
        return {};
    return document->pdf.render(page, size);
}

// The windows call these through the interface's types.
static_assert(std::is_same_v<decltype(&plicoraPdfOpen), plicora::pdfmodule::Open>);
static_assert(std::is_same_v<decltype(&plicoraPdfClose), plicora::pdfmodule::Close>);
static_assert(std::is_same_v<decltype(&plicoraPdfPageCount), plicora::pdfmodule::PageCount>);
static_assert(std::is_same_v<decltype(&plicoraPdfPageSize), plicora::pdfmodule::PageSize>);
static_assert(std::is_same_v<decltype(&plicoraPdfRenderPage), plicora::pdfmodule::RenderPage>);
