#pragma once

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageObjectHelper.hh>

#include <string>
#include <vector>

namespace plicora {

// A PDF document opened to be imposed: its pages, read lazily by qpdf.
class SourcePdf {
public:
    // Opens the PDF at `utf8Path`, repairing what qpdf can repair. Throws UserError with
    // an Italian message when it is missing, not a PDF, damaged beyond repair, locked by a
    // password or has no pages.
    explicit SourcePdf(const std::string& utf8Path);

    // The path it was opened from.
    const std::string& path() const { return path_; }
    // The document, to which a booklet's sides are added.
    QPDF& pdf() { return pdf_; }
    // Its pages, the first page first.
    std::vector<QPDFPageObjectHelper>& pages() { return pages_; }
    const std::vector<QPDFPageObjectHelper>& pages() const { return pages_; }

private:
    std::string path_;
    QPDF pdf_;
    std::vector<QPDFPageObjectHelper> pages_;
};

} // namespace plicora
