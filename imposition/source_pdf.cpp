#include "source_pdf.h"

#include "core/user_error.h"
#include "document_error.h"
#include "imposition_messages.h"
#include "memory_limit.h"

#include <qpdf/QPDFAcroFormDocumentHelper.hh>
#include <qpdf/QPDFExc.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFSystemError.hh>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <map>
#include <new>
#include <utility>
#include <vector>

namespace plicora {
namespace {

// Readers look for the PDF header within the first 1024 bytes.
constexpr std::size_t headerWindow = 1024;

bool hasPdfHeader(std::string_view start) {
    return start.substr(0, headerWindow).find("%PDF-") != std::string_view::npos;
}

// The Italian message for a document qpdf couldn't read.
const char* readFailure(bool pdfHeader, qpdf_error_code_e code) {
    if (code == qpdf_e_password)
        return passwordMessage;
    if (code == qpdf_e_system)
        return cannotOpenDocumentMessage;
    return pdfHeader ? damagedPdfMessage : notPdfMessage;
}

// The regular file at `path`, open for reading. Opening never waits (a FIFO with no writer),
// and anything but a regular file is refused before a byte is read from it.
std::FILE* openRegularFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        throw UserError(cannotOpenDocumentText(path, errno));
    struct stat status {};
    const bool statted = ::fstat(fd, &status) == 0;
    const int error = errno;
    if (!statted || !S_ISREG(status.st_mode)) {
        ::close(fd);
        throw UserError(statted ? notRegularFileMessage : cannotOpenDocumentText(path, error));
    }
    std::FILE* file = ::fdopen(fd, "rb");
    if (!file) {
        const int fdopenError = errno;
        ::close(fd);
        throw UserError(cannotOpenDocumentText(path, fdopenError));
    }
    return file;
}

// Walks the page tree without recursion before qpdf walks it with recursion: a tree nested
// deeper than pageTreeMaxLevels is refused, and so is one of more than `maxPages` pages, as soon
// as they are counted, and one that lists a page twice, which qpdf would copy as often as it is
// listed. A node met again while it is still being walked is a loop: qpdf's to refuse.
void checkPageTree(QPDF& pdf, int maxPages) {
    // A node to walk, or one whose pages have all been counted (`left`).
    struct Step {
        QPDFObjectHandle node;
        int level;
        bool left;
    };
    // For each node met, the first of its pages and, once left, its last.
    struct Span {
        int first, last;
    };
    constexpr int walking = -1;
    std::vector<Step> pending{{pdf.getRoot().getKey("/Pages"), 0, false}};
    std::map<QPDFObjGen, Span> seen;
    int pages = 0;
    while (!pending.empty()) {
        auto [node, level, left] = std::move(pending.back());
        pending.pop_back();
        if (left) {
            seen[node.getObjGen()].last = pages;
            continue;
        }
        if (node.isIndirect()) {
            const auto [entry, isNew] =
                seen.try_emplace(node.getObjGen(), Span{pages + 1, walking});
            const Span earlier = entry->second;
            if (!isNew && earlier.last != walking && earlier.last >= earlier.first)
                throw UserError(repeatedPageMessage(earlier.first, pages + 1));
            if (!isNew)
                continue; // a loop, or a node without pages
        }
        if (level > pageTreeMaxLevels)
            throw UserError(pageTreeTooDeepMessage(pageTreeMaxLevels));
        QPDFObjectHandle kids = node.isDictionary() ? node.getKey("/Kids") : node;
        if (!kids.isArray()) {
            if (++pages > maxPages)
                throw UserError(documentTooLongMessage(maxPages));
            if (node.isIndirect())
                seen[node.getObjGen()].last = pages;
            continue;
        }
        if (node.isIndirect())
            pending.push_back({node, level, true});
        for (int i = kids.getArrayNItems() - 1; i >= 0; --i)
            pending.push_back({kids.getArrayItem(i), level + 1, false});
    }
}

// The first bytes of `file`, where its header is; the file is left at its start.
std::string startOf(std::FILE* file) {
    std::string start(headerWindow, '\0');
    start.resize(std::fread(start.data(), 1, start.size(), file));
    std::rewind(file);
    return start;
}

// The whole of standard input, up to standardInputLimit.
std::string readStandardInput() {
    if (::isatty(STDIN_FILENO))
        throw UserError(terminalInputMessage);
    std::string data;
    char buffer[65536];
    for (;;) {
        const ssize_t read = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (read == 0)
            return data;
        if (read < 0)
            throw UserError(cannotOpenDocumentText("-", errno));
        if (data.size() + static_cast<std::size_t>(read) > standardInputLimit)
            throw UserError(standardInputTooLargeMessage(standardInputLimit));
        data.append(buffer, static_cast<std::size_t>(read));
    }
}

// Whether a viewer prints `annotation` and has something to draw for it: an appearance, or a
// form field whose appearance is made from its value.
bool printsSomething(QPDFObjectHandle annotation) {
    if (!annotation.isDictionary())
        return false;
    QPDFObjectHandle flags = annotation.getKey("/F");
    const long long f = flags.isInteger() ? flags.getIntValue() : 0;
    if ((f & an_print) == 0 || (f & (an_invisible | an_hidden)) != 0)
        return false;
    return annotation.getKey("/AP").isDictionary() ||
           annotation.getKey("/Subtype").isNameAndEquals("/Widget");
}

// Draws into each page what a viewer prints of its annotations: form fields with their values
// (their appearance made first where the form asks readers to make it), stamps, notes.
// Annotations that don't print, links among them, stay behind and are not placed. qpdf's
// flattening goes through every page, which would double the time of a long document whose
// pages only hold links: it runs only when something is to be drawn.
void flattenPrintedAnnotations(QPDF& pdf, std::vector<QPDFPageObjectHelper>& pages) {
    bool printed = false;
    for (QPDFPageObjectHelper& page : pages) {
        QPDFObjectHandle annotations = page.getObjectHandle().isDictionary()
                                           ? page.getObjectHandle().getKey("/Annots")
                                           : QPDFObjectHandle::newNull();
        if (annotations.isArray())
            for (QPDFObjectHandle annotation : annotations.getArrayAsVector())
                printed = printed || printsSomething(annotation);
        if (printed)
            break;
    }
    if (!printed)
        return;
    QPDFAcroFormDocumentHelper form(pdf);
    if (form.getNeedAppearances())
        // A text field's appearance is made anew from its value: qpdf writes the value into an
        // old one that lacks the field's marked text after what it showed, and both would print.
        for (QPDFPageObjectHelper& page : pages)
            for (QPDFAnnotationObjectHelper& widget : form.getWidgetAnnotationsForPage(page))
                if (form.getFieldForAnnotation(widget).getFieldType() == "/Tx")
                    widget.getObjectHandle().removeKey("/AP");
    form.generateAppearancesIfNeeded();
    QPDFPageDocumentHelper(pdf).flattenAnnotations(an_print);
}

} // namespace

SourcePdf::SourcePdf(const std::string& utf8Path, int maxPages) : path_(utf8Path) {
    // qpdf's warnings are English and about repairs it has made: the user needs none of them.
    pdf_.setSuppressWarnings(true);
    bool pdfHeader = false;
    std::FILE* file = nullptr;
    if (path_ == "-") {
        standardInput_ = readStandardInput();
        pdfHeader = hasPdfHeader(standardInput_);
    } else {
        file = openRegularFile(path_);
        pdfHeader = hasPdfHeader(startOf(file));
    }
    try {
        if (file)
            pdf_.processFile(path_.c_str(), file, true);
        else
            pdf_.processMemoryFile("standard input", standardInput_.data(), standardInput_.size());
        checkPageTree(pdf_, maxPages);
        pages_ = QPDFPageDocumentHelper(pdf_).getAllPages();
        flattenPrintedAnnotations(pdf_, pages_);
    } catch (const QPDFSystemError& error) {
        throw UserError(cannotOpenDocumentText(path_, error.getErrno()));
    } catch (const QPDFExc& error) {
        throw UserError(readFailure(pdfHeader, error.getErrorCode()));
    } catch (const UserError&) {
        throw;
    } catch (const std::bad_alloc&) {
        throwDocumentError();
    } catch (const std::runtime_error&) {
        if (memoryRanOut())
            throwDocumentError();
        throw UserError(readFailure(pdfHeader, qpdf_e_damaged_pdf));
    } catch (...) {
        throwDocumentError();
    }
    // qpdf takes an object it ran out of memory reading for a damaged one, and goes on without it.
    if (memoryRanOut())
        throw UserError(memoryLimitMessage(engineMemoryLimit));
    if (pages_.empty())
        throw UserError(noPagesMessage);
}

} // namespace plicora
