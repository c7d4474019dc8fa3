#pragma once

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageObjectHelper.hh>

#include <cstddef>
#include <string>
#include <vector>

namespace plicora {

// The largest document read from standard input, which is kept in memory whole.
inline constexpr std::size_t standardInputLimit = std::size_t{256} * 1024 * 1024;

// A PDF document opened to be imposed: its pages, read lazily by qpdf, with what a viewer prints
// of their annotations and form fields drawn into them.
class SourcePdf {
public:
    // Opens the PDF at `utf8Path`, or reads it from standard input for "-", repairing what qpdf
    // can repair. Throws UserError with an Italian message when it is missing, not a regular
    // file (a folder, a device, a FIFO), too large for standard input, not a PDF, damaged beyond
    // repair, locked by a password or has no pages.
    explicit SourcePdf(const std::string& utf8Path);

    // The path it was opened from.
    const std::string& path() const { return path_; }
    // The document, to which a booklet's sides are added.
    QPDF& pdf() { return pdf_; }
    // Its pages, the first page first.
    std::vector<QPDFPageObjectHelper>& pages() { return pages_; }
    // How many pages it has.
    std::size_t pageCount() const { return pages_.size(); }

private:
    std::string path_;
    std::string standardInput_; // the document read from standard input, which qpdf reads from
    QPDF pdf_;
    std::vector<QPDFPageObjectHelper> pages_;
};

} // namespace plicora
