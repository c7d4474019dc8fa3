// plicora-pdf: Qt PDF for the windows, loaded on demand (see pdf_module_interface.h).
#include "pdf_module_interface.h"

#include <QPdfDocument>

#include <type_traits>

extern "C" Q_DECL_EXPORT int plicoraPdfPageCount(const QString& path) {
    QPdfDocument document(nullptr);
    return document.load(path) == QPdfDocument::Error::None ? document.pageCount() : -1;
}

extern "C" Q_DECL_EXPORT QSizeF plicoraPdfFirstPageSize(const QString& path) {
    QPdfDocument document(nullptr);
    if (document.load(path) != QPdfDocument::Error::None || document.pageCount() < 1)
        return {};
    return document.pagePointSize(0);
}

extern "C" Q_DECL_EXPORT bool plicoraPdfRenderPages(const QString& path, int count, QSize side,
                                                    QList<QImage>* pages) {
    QPdfDocument document(nullptr);
    if (document.load(path) != QPdfDocument::Error::None || document.pageCount() < count)
        return false;
    for (int page = 0; page < count; ++page) {
        const QSize size = document.pagePointSize(page).scaled(side, Qt::KeepAspectRatio).toSize();
        pages->append(document.render(page, size));
    }
    return true;
}

// The windows call these through the interface's types.
static_assert(std::is_same_v<decltype(&plicoraPdfPageCount), plicora::pdfmodule::PageCount>);
static_assert(
    std::is_same_v<decltype(&plicoraPdfFirstPageSize), plicora::pdfmodule::FirstPageSize>);
static_assert(std::is_same_v<decltype(&plicoraPdfRenderPages), plicora::pdfmodule::RenderPages>);
