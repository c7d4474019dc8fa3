#pragma once

#include <QImage>
#include <QSizeF>
#include <QString>

namespace plicora {

namespace pdfmodule {
struct Document;
}
struct PdfModule;

// A PDF read once with Qt PDF, through the module installed beside the booklet engine `engine`,
// loaded on first use. Used from one thread at a time.
class PdfFile {
public:
    // Reads the PDF at `path`.
    PdfFile(const QString& engine, const QString& path);
    ~PdfFile();
    PdfFile(const PdfFile&) = delete;
    PdfFile& operator=(const PdfFile&) = delete;

    // Whether the PDF could be read: false too when the module is missing.
    bool isRead() const { return document_ != nullptr; }
    // Its page count; -1 when it isn't read.
    int pageCount() const;
    // The size in points of page `page` (from 0), turned as it shows; empty when unknown.
    QSizeF pageSize(int page) const;
    // Page `page` (from 0) rendered at `size` pixels; a null image when it can't be.
    QImage render(int page, QSize size);

private:
    const PdfModule* module_;
    pdfmodule::Document* document_ = nullptr;
};

} // namespace plicora
