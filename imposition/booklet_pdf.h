#pragma once

#include "core/page.h"
#include "core/paper.h"
#include "core/sheet_sides.h"
#include "page_form.h"
#include "source_pdf.h"

#include <qpdf/QPDFObjectHandle.hh>

#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace plicora {

// Where a side's pages go besides their cells: moved towards the fold, or the side turned.
struct SidePlacement {
    double creep = 0;    // points each page moves towards the vertical fold, clipped to its cell
    bool turned = false; // the whole side turned by 180 degrees
};

// A booklet PDF being built, side by side, from the pages of a source document. The sides are
// added to the source document itself, so its pages are never copied; writing gives the sides
// alone a catalog of their own.
class BookletPdf {
public:
    // An empty booklet of sides of `size`, `margin` points along their edges left blank;
    // `duplex` is the /Duplex viewer preference print dialogs read, a PDF name such as
    // "/DuplexFlipShortEdge". Repairs to the pages' geometry are appended to `warnings`.
    BookletPdf(SourcePdf& source, Mode mode, SideSize size, double margin,
               const std::string& duplex, std::vector<std::string>& warnings);

    // Appends a side as a page of the booklet's size: each page scaled into its cell, proportions
    // kept, centred, shown as a viewer shows it, then placed as `placement` asks. A blank page
    // leaves its cell empty. Throws UserError naming a page that qpdf could not read.
    void addSide(const SheetSide& side, const SidePlacement& placement = {});
    // Writes the PDF to `file`, the same bytes for the same sides of the same document, telling
    // `progress` (when set) how far it is in per cent. Throws UserError when writing fails or the
    // source turns out damaged beyond repair, naming the page whose content could not be read.
    void write(std::FILE* file, const std::function<void(int percent)>& progress);

private:
    SourcePdf& source_;
    SideSize size_;
    std::vector<QPDFObjectHandle::Rectangle> cells_;
    std::vector<std::string>& warnings_;
    std::shared_ptr<ContentFailure> contentFailure_;
    QPDFObjectHandle catalog_;
    QPDFObjectHandle pageTree_;
};

} // namespace plicora
