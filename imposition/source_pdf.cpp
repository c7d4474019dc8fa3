#include "source_pdf.h"

#include "core/user_error.h"
#include "imposition_messages.h"

#include <qpdf/QPDFExc.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFSystemError.hh>

#include <fstream>

namespace plicora {
namespace {

// Whether the file starts with a PDF header within the first 1024 bytes, where readers look
// for it.
bool hasPdfHeader(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::string start(1024, '\0');
    file.read(start.data(), static_cast<std::streamsize>(start.size()));
    start.resize(static_cast<std::size_t>(file.gcount()));
    return start.find("%PDF-") != std::string::npos;
}

// The Italian message for a document qpdf couldn't read.
const char* readFailure(const std::string& path, qpdf_error_code_e code) {
    if (code == qpdf_e_password)
        return passwordMessage;
    if (code == qpdf_e_system)
        return cannotOpenDocumentMessage;
    return hasPdfHeader(path) ? damagedPdfMessage : notPdfMessage;
}

} // namespace

SourcePdf::SourcePdf(const std::string& utf8Path) : path_(utf8Path) {
    // qpdf's warnings are English and about repairs it has made: the user needs none of them.
    pdf_.setSuppressWarnings(true);
    try {
        pdf_.processFile(path_.c_str());
        pages_ = QPDFPageDocumentHelper(pdf_).getAllPages();
    } catch (const QPDFSystemError&) {
        throw UserError(cannotOpenDocumentMessage);
    } catch (const QPDFExc& error) {
        throw UserError(readFailure(path_, error.getErrorCode()));
    } catch (const std::runtime_error&) {
        throw UserError(readFailure(path_, qpdf_e_damaged_pdf));
    }
    if (pages_.empty())
        throw UserError(noPagesMessage);
}

} // namespace plicora
