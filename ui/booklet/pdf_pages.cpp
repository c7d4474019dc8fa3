#include "ui/booklet/pdf_pages.h"

#include "pdf_module/pdf_module_interface.h"

#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QMutex>

namespace plicora {

struct PdfModule {
    pdfmodule::Open open = nullptr;
    pdfmodule::Close close = nullptr;
    pdfmodule::PageCount pageCount = nullptr;
    pdfmodule::PageSize pageSize = nullptr;
    pdfmodule::RenderPage renderPage = nullptr;

    bool isComplete() const { return open && close && pageCount && pageSize && renderPage; }
};

namespace {

template <typename Function> Function resolved(QLibrary& library, const char* symbol) {
    return reinterpret_cast<Function>(library.resolve(symbol));
}

// The module beside `engine`, loaded once; incomplete when it can't be loaded.
const PdfModule& module(const QString& engine) {
    static QMutex mutex;
    static QLibrary library;
    static PdfModule loaded;
    const QMutexLocker lock(&mutex);
    if (!library.isLoaded()) {
        library.setFileName(
            QFileInfo(engine).dir().filePath(QString::fromLatin1(pdfmodule::baseName)));
        if (library.load())
            loaded = {resolved<pdfmodule::Open>(library, pdfmodule::openSymbol),
                      resolved<pdfmodule::Close>(library, pdfmodule::closeSymbol),
                      resolved<pdfmodule::PageCount>(library, pdfmodule::pageCountSymbol),
                      resolved<pdfmodule::PageSize>(library, pdfmodule::pageSizeSymbol),
                      resolved<pdfmodule::RenderPage>(library, pdfmodule::renderPageSymbol)};
    }
    return loaded;
}

} // namespace

PdfFile::PdfFile(const QString& engine, const QString& path) : module_(&module(engine)) {
    if (module_->isComplete())
        document_ = module_->open(path);
}

// Only a complete module opens a document, so one that is open can be closed.
PdfFile::~PdfFile() {
    if (document_)
        module_->close(document_);
}

int PdfFile::pageCount() const {
    return document_ ? module_->pageCount(document_) : -1;
}

QSizeF PdfFile::pageSize(int page) const {
    if (!document_ || page < 0 || page >= pageCount())
        return {};
    return module_->pageSize(document_, page);
}

QImage PdfFile::render(int page, QSize size) {
    return document_ ? module_->renderPage(document_, page, size) : QImage();
}

} // namespace plicora
