#pragma once

#include "core/page.h"
#include "core/page_count.h"
#include "source_pdf.h"

#include <string>
#include <vector>

namespace plicora {

// A PDF document imposed as a booklet: each sheet side an A4 landscape page holding the pages
// the listing gives it.
class Booklet {
public:
    // Opens the document and rounds its page count up to whole sheets of `mode` (blank pages at
    // the end). Throws UserError as SourcePdf does and when the count leaves 16 bits.
    Booklet(const std::string& inputPath, Mode mode);

    // The document's own page count, before rounding.
    int documentPages() const { return static_cast<int>(source_.pageCount()); }
    // The whole-sheets check of the document's page count.
    const PageCountCheck& check() const { return check_; }
    // The repairs made to pages' broken geometry so far, one Italian line each naming its page.
    const std::vector<std::string>& warnings() const { return warnings_; }

    // Writes sheet 1 front, sheet 1 back, sheet 2 front... to one PDF for duplex printing. Throws
    // UserError, leaving no file, when the output fails or a page can't be read.
    void writeDuplex(const std::string& path);
    // Writes every front to one PDF and every back to another, the two runs of a printer without
    // duplex. Neither earlier file is replaced unless both can be written.
    void writeSeparate(const std::string& frontPath, const std::string& backPath);

private:
    // Throws UserError when `path` names the document itself.
    void refuseInput(const std::string& path) const;

    SourcePdf source_;
    Mode mode_;
    PageCountCheck check_;
    std::vector<std::string> warnings_;
};

} // namespace plicora
