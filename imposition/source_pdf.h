#pragma once

#include "core/page.h"

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageObjectHelper.hh>

#include <cstddef>
#include <string>
#include <vector>

namespace plicora {

// The largest document read from standard input, which is kept in memory whole.
inline constexpr std::size_t standardInputLimit = std::size_t{256} * 1024 * 1024;
// The deepest page tree read. Real documents nest their pages a few levels deep; qpdf walks the
// tree recursively, and one nested thousands of levels would overflow the stack.
inline constexpr int pageTreeMaxLevels = 256;

// A PDF document opened to be imposed: its pages, read lazily by qpdf, with what a viewer prints
// of their annotations and form fields drawn into them.
class SourcePdf {
public:
    // Opens the PDF at `utf8Path`, or reads it from standard input for "-", repairing what qpdf
    // can repair. Throws UserError with an Italian message when it is missing or unreadable (with
    // its path and the reason), not a regular file (a folder, a device, a FIFO), too large for
    // standard input, not a PDF, damaged beyond repair, locked by a password, has no pages, more
    // than `maxPages` (said as soon as they are counted, before any is read whole) or its pages
    // nested deeper than pageTreeMaxLevels.
    explicit SourcePdf(const std::string& utf8Path, int maxPages = pageMax);

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
