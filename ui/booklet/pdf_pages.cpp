#include "ui/booklet/pdf_pages.h"

#include "pdf_module/pdf_module_interface.h"

#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QMutex>

namespace plicora {
namespace {

struct Module {
    pdfmodule::PageCount pageCount = nullptr;
    pdfmodule::FirstPageSize firstPageSize = nullptr;
    pdfmodule::RenderPages renderPages = nullptr;
};

// The module beside `engine`, loaded once; its functions stay null when it can't be loaded.
Module module(const QString& engine) {
    static QMutex mutex;
    static QLibrary library;
    static Module loaded;
    const QMutexLocker lock(&mutex);
    if (!library.isLoaded()) {
        library.setFileName(
            QFileInfo(engine).dir().filePath(QString::fromLatin1(pdfmodule::baseName)));
        if (library.load()) {
            loaded.pageCount =
                reinterpret_cast<pdfmodule::PageCount>(library.resolve(pdfmodule::pageCountSymbol));
            loaded.firstPageSize = reinterpret_cast<pdfmodule::FirstPageSize>(
                library.resolve(pdfmodule::firstPageSizeSymbol));
            loaded.renderPages = reinterpret_cast<pdfmodule::RenderPages>(
                library.resolve(pdfmodule::renderPagesSymbol));
        }
    }
    return loaded;
}

} // namespace

int pdfPageCount(const QString& engine, const QString& path) {
    const Module pdf = module(engine);
    return pdf.pageCount ? pdf.pageCount(path) : -1;
}

QSizeF pdfFirstPageSize(const QString& engine, const QString& path) {
    const Module pdf = module(engine);
    return pdf.firstPageSize ? pdf.firstPageSize(path) : QSizeF();
}

QList<QImage> renderPdfPages(const QString& engine, const QString& path, int count, QSize side) {
    const Module pdf = module(engine);
    QList<QImage> pages;
    if (!pdf.renderPages || !pdf.renderPages(path, count, side, &pages))
        pages.clear();
    return pages;
}

} // namespace plicora
