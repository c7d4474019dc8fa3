#include "booklet_pdf.h"

#include "core/number_text.h"
#include "core/user_error.h"
#include "document_error.h"
#include "files/file_writer.h"
#include "imposition_messages.h"
#include "memory_limit.h"
#include "page_form.h"
#include "side_layout.h"

#include <qpdf/QPDFExc.hh>
#include <qpdf/QPDFWriter.hh>

#include <algorithm>
#include <cmath>

namespace plicora {
namespace {

// The operators that draw form `name`, showing `shown`, scaled to fit `cell` with its proportions
// kept and centred there.
std::string placing(const std::string& name, const QPDFObjectHandle::Rectangle& shown,
                    const QPDFObjectHandle::Rectangle& cell) {
    const double width = shown.urx - shown.llx, height = shown.ury - shown.lly;
    const double cellWidth = cell.urx - cell.llx, cellHeight = cell.ury - cell.lly;
    const double scale = fitScale(width, height, {cellWidth, cellHeight});
    const double x = cell.llx + (cellWidth - scale * width) / 2 - scale * shown.llx;
    const double y = cell.lly + (cellHeight - scale * height) / 2 - scale * shown.lly;
    return "q " + pdfNumber(scale) + " 0 0 " + pdfNumber(scale) + " " + pdfNumber(x) + " " +
           pdfNumber(y) + " cm " + name + " Do Q\n";
}

// `placed` moved by `dx` and clipped to `cell`, so that a page shifted towards the fold never
// crosses it.
std::string shifted(const std::string& placed, const QPDFObjectHandle::Rectangle& cell, double dx) {
    return "q " + pdfNumber(cell.llx) + " " + pdfNumber(cell.lly) + " " +
           pdfNumber(cell.urx - cell.llx) + " " + pdfNumber(cell.ury - cell.lly) +
           " re W n 1 0 0 1 " + pdfNumber(dx) + " 0 cm\n" + placed + "Q\n";
}

// Whether qpdf's warning `detail` says that it read an object as null because it couldn't read it.
bool meansLostContent(const std::string& detail) {
    return detail.find("error reading object") != std::string::npos ||
           detail.find("excessively deeply nested") != std::string::npos;
}

} // namespace

BookletPdf::BookletPdf(SourcePdf& source, Mode mode, SideSize size, double margin,
                       const std::string& duplex, std::vector<std::string>& warnings)
    : source_(source), size_(size), cells_(sideCells(mode, size, margin)), warnings_(warnings),
      contentFailure_(std::make_shared<ContentFailure>()),
      pageTree_(source.pdf().makeIndirectObject(
          QPDFObjectHandle::parse("<< /Type /Pages /Kids [] /Count 0 >>"))) {
    // Laid out within the printer's margins, the sides must print as they are; without a margin
    // the file stays what it always was, to the byte.
    const std::string scaling = margin > 0 ? " /PrintScaling /None" : "";
    catalog_ = source.pdf().makeIndirectObject(QPDFObjectHandle::parse(
        "<< /Type /Catalog /ViewerPreferences << /Duplex " + duplex + scaling + " >> >>"));
    catalog_.replaceKey("/Pages", pageTree_);
}

void BookletPdf::addSide(const SheetSide& side, const SidePlacement& placement) {
    QPDF& pdf = source_.pdf();
    QPDFObjectHandle page = pdf.makeIndirectObject(
        QPDFObjectHandle::parse("<< /Type /Page /MediaBox [0 0 " + decimalText(size_.width) + " " +
                                decimalText(size_.height) + "] >>"));
    QPDFObjectHandle forms = QPDFObjectHandle::newDictionary();
    std::string content;
    auto& pages = source_.pages();
    for (int cell = 0; cell < side.cells; ++cell) {
        if (side.isBlank(cell))
            continue; // a blank page added to fill the last sheet draws nothing
        // Vector content, never rasterised, sharing the document's resources such as fonts.
        const int number = side.pages[cell];
        const PageForm form = pageForm(pages[number - 1], number, warnings_, contentFailure_);
        const std::string name = "/P" + decimalText(cell + 1);
        forms.replaceKey(name, form.form);
        const std::string placed = placing(name, form.shown, cells_[cell]);
        if (placement.creep == 0) {
            content += placed;
            continue;
        }
        const bool leftOfFold = cells_[cell].urx <= size_.width / 2.0;
        content += shifted(placed, cells_[cell], leftOfFold ? placement.creep : -placement.creep);
    }
    if (placement.turned)
        content = "q -1 0 0 -1 " + pdfNumber(size_.width) + " " + pdfNumber(size_.height) +
                  " cm\n" + content + "Q\n";
    QPDFObjectHandle resources = QPDFObjectHandle::newDictionary();
    resources.replaceKey("/XObject", forms);
    page.replaceKey("/Resources", resources);
    // A few placing operators: compressing them would cost more than it saves.
    QPDFObjectHandle operators = QPDFObjectHandle::newStream(&pdf, content);
    operators.setFilterOnWrite(false);
    page.replaceKey("/Contents", operators);
    page.replaceKey("/Parent", pageTree_);
    pageTree_.getKey("/Kids").appendItem(page);
}

void BookletPdf::write(std::FILE* file, const std::function<void(int percent)>& progress) {
    try {
        pageTree_.replaceKey(
            "/Count", QPDFObjectHandle::newInteger(pageTree_.getKey("/Kids").getArrayNItems()));
        // Only what the sides reach is written: the document's own pages, outline and the rest
        // of its catalog are left out.
        QPDFObjectHandle trailer = source_.pdf().getTrailer();
        trailer.replaceKey("/Root", catalog_);
        // The writer fills in /Size only where the trailer has one, and a repaired document's
        // may not: without it the cross-reference stream can't be read.
        if (!trailer.hasKey("/Size"))
            trailer.replaceKey("/Size", QPDFObjectHandle::newInteger(0));
        QPDFWriter writer(source_.pdf());
        writer.setOutputFile(source_.path().c_str(), file, false);
        // An open document's encryption protects nothing, and a booklet is printed, not edited.
        writer.setPreserveEncryption(false);
        // Streams are written as stored, filters and all; the pages' content joined from several
        // streams, which has none, is compressed.
        writer.setDecodeLevel(qpdf_dl_none);
        writer.setCompressStreams(true);
        // The many small dictionaries of the sides and their forms, compressed together (PDF 1.5,
        // as most documents already are): the booklet stays no larger than its document.
        writer.setObjectStreamMode(qpdf_o_generate);
        // The same document and options give the same bytes.
        writer.setDeterministicID(true);
        if (progress)
            writer.registerProgressReporter(
                std::make_shared<QPDFWriter::FunctionProgressReporter>(progress));
        writer.write();
    } catch (const UserError&) {
        throw;
    } catch (...) {
        // Either the output failed or qpdf met damage it could not repair in a page it read.
        if (contentFailure_->page == 0 && std::ferror(file))
            throw UserError(writeFailedMessage);
        if (contentFailure_->page == 0)
            throwDocumentError();
    }
    // Checked after a write that went through too, as qpdf may have let the failure pass.
    if (contentFailure_->page != 0)
        throw UserError(unreadablePageMessage(contentFailure_->page));
    if (memoryRanOut())
        throw UserError(memoryLimitMessage(engineMemoryLimit));
    // An object qpdf could not read is null to it, and what it held (a font, an image) would be
    // missing from the booklet without a word.
    for (const QPDFExc& warning : source_.pdf().getWarnings())
        if (meansLostContent(warning.getMessageDetail()))
            throw UserError(damagedPdfText(warning.getMessageDetail()));
}

} // namespace plicora
