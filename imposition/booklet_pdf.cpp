#include "booklet_pdf.h"

#include "core/number_text.h"
#include "core/user_error.h"
#include "files/file_writer.h"
#include "imposition_messages.h"
#include "page_form.h"
#include "side_layout.h"

#include <qpdf/QPDFWriter.hh>

namespace plicora {

BookletPdf::BookletPdf(SourcePdf& source, Mode mode, const std::string& duplex,
                       std::vector<std::string>& warnings)
    : source_(source), mode_(mode), warnings_(warnings),
      contentFailure_(std::make_shared<ContentFailure>()),
      pageTree_(source.pdf().makeIndirectObject(
          QPDFObjectHandle::parse("<< /Type /Pages /Kids [] /Count 0 >>"))) {
    catalog_ = source.pdf().makeIndirectObject(QPDFObjectHandle::parse(
        "<< /Type /Catalog /ViewerPreferences << /Duplex " + duplex + " >> >>"));
    catalog_.replaceKey("/Pages", pageTree_);
}

void BookletPdf::addSide(const SheetSide& side) {
    QPDF& pdf = source_.pdf();
    QPDFObjectHandle page = pdf.makeIndirectObject(QPDFObjectHandle::parse(
        "<< /Type /Page /MediaBox [0 0 " + decimalText(static_cast<int>(sideWidth)) + " " +
        decimalText(static_cast<int>(sideHeight)) + "] >>"));
    QPDFPageObjectHelper placer(page);
    QPDFObjectHandle forms = QPDFObjectHandle::newDictionary();
    std::string content;
    const auto cells = sideCells(mode_);
    auto& pages = source_.pages();
    for (int cell = 0; cell < side.count; ++cell) {
        const int number = side.pages[cell];
        if (number < 1 || number > static_cast<int>(pages.size()))
            continue; // a blank page added to fill the last sheet
        // Vector content, never rasterised, sharing the document's resources such as fonts.
        const QPDFObjectHandle form =
            pageForm(pages[number - 1], number, warnings_, contentFailure_);
        const std::string name = "/P" + decimalText(cell + 1);
        forms.replaceKey(name, form);
        content += placer.placeFormXObject(form, name, cells[cell], true, true, true);
    }
    QPDFObjectHandle resources = QPDFObjectHandle::newDictionary();
    resources.replaceKey("/XObject", forms);
    page.replaceKey("/Resources", resources);
    // A few placing operators: compressing them would cost more than it saves.
    QPDFObjectHandle placing = QPDFObjectHandle::newStream(&pdf, content);
    placing.setFilterOnWrite(false);
    page.replaceKey("/Contents", placing);
    page.replaceKey("/Parent", pageTree_);
    pageTree_.getKey("/Kids").appendItem(page);
}

void BookletPdf::write(std::FILE* file) {
    try {
        pageTree_.replaceKey(
            "/Count", QPDFObjectHandle::newInteger(pageTree_.getKey("/Kids").getArrayNItems()));
        // Only what the sides reach is written: the document's own pages, outline and the rest
        // of its catalog are left out.
        source_.pdf().getTrailer().replaceKey("/Root", catalog_);
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
        writer.write();
    } catch (const UserError&) {
        throw;
    } catch (const std::runtime_error&) {
        // Either the output failed or qpdf met damage it could not repair in a page it read.
        if (contentFailure_->page == 0)
            throw UserError(std::ferror(file) ? writeFailedMessage : damagedPdfMessage);
    }
    // Checked after a write that went through too, as qpdf may have let the failure pass.
    if (contentFailure_->page != 0)
        throw UserError(unreadablePageMessage(contentFailure_->page));
}

} // namespace plicora
