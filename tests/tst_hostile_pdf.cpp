// Crafted and broken PDFs, each made by the test, imposed as a four-up booklet: what is refused
// and with which message, what is repaired with which warnings, which number sits in which cell,
// how large the booklet comes out and how much memory making it takes.
#include "pdf_words.h"
#include "test_support.h"

#include "core/user_error.h"
#include "imposition/booklet.h"
#include "imposition/imposition_messages.h"
#include "imposition/page_geometry.h"
#include "imposition/source_pdf.h"
#include "tools/numbered_pdf/numbered_pdf.h"

#include <qpdf/Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFAcroFormDocumentHelper.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <functional>
#include <map>

using namespace plicora;
using namespace plicora::testing;
namespace fs = std::filesystem;
using Handle = QPDFObjectHandle;

namespace {

using Change = std::function<void(QPDF&, std::vector<QPDFPageObjectHelper>&)>;
// Makes a document in the folder it is given and gives its path.
using Document = std::function<fs::path(const fs::path&)>;

constexpr int documentPages = 4;

// A document of four numbered pages drawn for `rotate`, then changed by `change` through qpdf.
Document numbered(Change change, int rotate = 0, int textLines = 0, std::size_t padding = 0) {
    return [=](const fs::path& dir) {
        const fs::path path = dir / "doc.pdf", changed = dir / "changed.pdf";
        writeNumberedPdf(path, std::vector<NumberedPage>(documentPages, {595, 842, rotate}),
                         textLines, padding);
        QPDF pdf;
        pdf.setSuppressWarnings(true);
        pdf.processFile(path.c_str());
        std::vector<QPDFPageObjectHelper> all = QPDFPageDocumentHelper(pdf).getAllPages();
        change(pdf, all);
        QPDFWriter writer(pdf, changed.c_str());
        writer.setDecodeLevel(qpdf_dl_none); // crafted stream data stays as crafted
        writer.write();
        fs::rename(changed, path);
        return path;
    };
}

const Change unchanged = [](QPDF&, std::vector<QPDFPageObjectHelper>&) {};

// Sets `key` of page `number` (from 1) to `value`, in PDF syntax; "" removes it.
Change pageKey(int number, const char* key, const char* value) {
    return [=](QPDF&, std::vector<QPDFPageObjectHelper>& pages) {
        Handle page = pages[number - 1].getObjectHandle();
        if (*value)
            page.replaceKey(key, Handle::parse(value));
        else
            page.removeKey(key);
    };
}

Change both(Change first, Change second) {
    return [=](QPDF& pdf, std::vector<QPDFPageObjectHelper>& pages) {
        first(pdf, pages);
        second(pdf, pages);
    };
}

// Page `number`'s content stream between two more marked deflated that are not.
Change contentsBetweenBadStreams(int number) {
    return [=](QPDF& pdf, std::vector<QPDFPageObjectHelper>& pages) {
        Handle page = pages[number - 1].getObjectHandle();
        const auto deflated = [&] {
            Handle stream = Handle::newStream(&pdf, std::string("not deflated"));
            stream.getDict().replaceKey("/Filter", Handle::newName("/FlateDecode"));
            return stream;
        };
        page.replaceKey("/Contents",
                        Handle::newArray({deflated(), page.getKey("/Contents"), deflated()}));
    };
}

// Every page's content split in two streams between its tokens.
void splitContents(QPDF& pdf, std::vector<QPDFPageObjectHelper>& pages) {
    for (QPDFPageObjectHelper& page : pages) {
        Handle object = page.getObjectHandle();
        const auto data = object.getKey("/Contents").getStreamData();
        const std::string content(reinterpret_cast<const char*>(data->getBuffer()),
                                  data->getSize());
        const std::size_t middle = content.find(" Tf ") + 3;
        object.replaceKey("/Contents",
                          Handle::newArray({Handle::newStream(&pdf, content.substr(0, middle)),
                                            Handle::newStream(&pdf, content.substr(middle))}));
    }
}

// A stamp on page 1 whose appearance writes `text`, with annotation flags `flags`.
Handle stamp(QPDF& pdf, Handle font, const std::string& text, int flags, int y) {
    Handle appearance = Handle::newStream(&pdf, "BT /F1 24 Tf 10 10 Td (" + text + ") Tj ET");
    appearance.getDict().replaceKey("/BBox",
                                    Handle::newArray(QPDFObjectHandle::Rectangle(0, 0, 100, 50)));
    appearance.getDict().replaceKey("/Resources", Handle::parse("<< /Font << >> >>"));
    appearance.getDict().getKey("/Resources").getKey("/Font").replaceKey("/F1", font);
    Handle annotation = pdf.makeIndirectObject(Handle::parse(
        "<< /Type /Annot /Subtype /Stamp /F " + std::to_string(flags) + " /Rect [100 " +
        std::to_string(y) + " 200 " + std::to_string(y + 50) + "] >>"));
    annotation.replaceKey("/AP", Handle::newDictionary());
    annotation.getKey("/AP").replaceKey("/N", appearance);
    return annotation;
}

// On page 1: a text field filled with "41" through qpdf's form helpers (appearance left for
// readers to make), a printed stamp "42" and a stamp "43" that doesn't print.
void fillForm(QPDF& pdf, std::vector<QPDFPageObjectHelper>& pages) {
    Handle font = pdf.makeIndirectObject(
        Handle::parse("<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>"));
    Handle form = pdf.makeIndirectObject(
        Handle::parse("<< /Fields [] /DA (/Helv 12 Tf 0 g) /DR << /Font << >> >> >>"));
    form.getKey("/DR").getKey("/Font").replaceKey("/Helv", font);
    pdf.getRoot().replaceKey("/AcroForm", form);
    Handle page = pages[0].getObjectHandle();
    Handle field = pdf.makeIndirectObject(
        Handle::parse("<< /Type /Annot /Subtype /Widget /FT /Tx /T (nome) /F 4 "
                      "/Rect [250 400 350 430] /DA (/Helv 12 Tf 0 g) >>"));
    field.replaceKey("/P", page);
    page.replaceKey("/Annots", Handle::newArray({field, stamp(pdf, font, "42", 4, 200),
                                                 stamp(pdf, font, "43", 0, 100)}));
    QPDFAcroFormDocumentHelper(pdf).addFormField(QPDFFormFieldObjectHelper(field));
    QPDFFormFieldObjectHelper(field).setV("41");
}

// Arrays nested past the depth qpdf reads, on page 2.
void nestTooDeep(QPDF&, std::vector<QPDFPageObjectHelper>& pages) {
    Handle nested = Handle::newArray();
    for (int depth = 0; depth < 600; ++depth)
        nested = Handle::newArray({nested});
    pages[1].getObjectHandle().replaceKey("/Nested", nested);
}

// Page 3 with a /Rotate too large for any integer, which no API writes: a name of the same
// length is put in its place.
fs::path overflowingRotate(const fs::path& dir) {
    const std::string placeholder = "/PlaceholderOfTheSameLength";
    const std::string huge(placeholder.size(), '9');
    const fs::path path = numbered(pageKey(3, "/Rotate", placeholder.c_str()))(dir);
    std::string bytes = readFile(path);
    bytes.replace(bytes.find(placeholder), placeholder.size(), huge);
    std::FILE* file = std::fopen(path.c_str(), "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
    return path;
}

// Runs `work` in a child process: its exit status and its peak resident memory in MiB.
std::pair<int, double> inChild(const std::function<int()>& work) {
    const pid_t child = fork();
    if (child == 0)
        _exit(work());
    int status = -1;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1,
            static_cast<double>(usage.ru_maxrss) / 1024};
}

// Side and cell of each number found in `pdf`; numbers of pages must sit where pages do.
std::map<int, std::pair<int, int>> numberPositions(const fs::path& pdf) {
    std::map<int, std::pair<int, int>> positions;
    const auto sides = readSides(pdf);
    for (std::size_t side = 0; side < sides.size(); ++side)
        for (const Word& word : sides[side]) {
            if (word.number == 0)
                continue; // running text
            const auto [cell, placed] = cellOf(Mode::FourUp, word);
            if (word.number <= documentPages) {
                EXPECT_TRUE(placed) << "page " << word.number << " at " << word.x << ", " << word.y;
            }
            positions[word.number] = {static_cast<int>(side), cell};
        }
    return positions;
}

struct HostileCase {
    const char* name;
    Document document;
    std::string message = {};               // the refusal, empty when the booklet is made
    std::vector<std::string> warnings = {}; // sorted
    std::map<int, int> annotations = {};    // a number an annotation draws, and its page
    bool large = false;                     // made in a child process whose peak memory is measured
};

void PrintTo(const HostileCase& c, std::ostream* out) {
    *out << c.name;
}

class HostilePdf : public ::testing::TestWithParam<HostileCase> {};

TEST_P(HostilePdf, isImposedAsAViewerShowsItOrRefused) {
    const HostileCase& c = GetParam();
    const TemporaryDirectory dir;
    const fs::path input = c.document(dir.path()), output = dir.path() / "opuscolo.pdf";
    std::string message;
    std::vector<std::string> warnings;
    const auto impose = [&] {
        try {
            Booklet booklet(input, Mode::FourUp);
            booklet.writeDuplex(output);
            warnings = booklet.warnings();
        } catch (const UserError& error) {
            message = error.what();
        }
    };
    if (c.large) {
        // In a child, so that its peak memory is its own.
        const auto [status, peakMiB] = inChild([&] {
            impose();
            return message.empty() ? 0 : 1;
        });
        EXPECT_EQ(status, 0);
        EXPECT_LT(peakMiB, 256);
    } else {
        impose();
    }
    EXPECT_EQ(message, c.message);
    if (!c.message.empty()) {
        EXPECT_FALSE(fs::exists(output));
        return;
    }
    // Content is never written back larger than it came in.
    EXPECT_LT(fs::file_size(output), 1.1 * fs::file_size(input) + 8 * 1024);
    std::sort(warnings.begin(), warnings.end());
    EXPECT_EQ(warnings, c.warnings);
    // Front [4, 1], back [2, 3]; what an annotation draws sits with its page.
    std::map<int, std::pair<int, int>> expected{{4, {0, 0}}, {1, {0, 1}}, {2, {1, 0}}, {3, {1, 1}}};
    for (const auto& [number, page] : c.annotations)
        expected[number] = expected[page];
    EXPECT_EQ(numberPositions(output), expected);
    if (!c.large) {
        const fs::path again = dir.path() / "di-nuovo.pdf";
        Booklet(input, Mode::FourUp).writeDuplex(again);
        EXPECT_EQ(readFile(again), readFile(output)) << "the same input gave other bytes";
    }
}

std::string defaultBoxOn(int page) {
    return defaultMediaBoxWarning(page, defaultPageWidth, defaultPageHeight);
}

INSTANTIATE_TEST_SUITE_P(
    Crafted, HostilePdf,
    ::testing::Values(
        HostileCase{"filledFormAndStamps", numbered(fillForm), "", {}, {{41, 1}, {42, 1}}},
        HostileCase{"contentsSplitInTwoStreams", numbered(splitContents, 0, 400)},
        // Page 1's own stream between two of 192 MiB of spaces, 400 KB stored in all.
        HostileCase{"contentsInflatingPastTheMemoryLimit",
                    numbered(unchanged, 0, 50, std::size_t{192} << 20),
                    "",
                    {},
                    {},
                    true},
        HostileCase{"trimBoxInsideCropBox",
                    numbered(both(pageKey(1, "/CropBox", "[0 0 595 842]"),
                                  pageKey(1, "/TrimBox", "[0 0 200 842]")))},
        HostileCase{"cropBoxInheritedOverALargerMediaBox",
                    numbered([](QPDF& pdf, std::vector<QPDFPageObjectHelper>& pages) {
                        for (QPDFPageObjectHelper& page : pages)
                            page.getObjectHandle().replaceKey("/MediaBox",
                                                              Handle::parse("[0 0 595 1684]"));
                        pdf.getRoot().getKey("/Pages").replaceKey("/CropBox",
                                                                  Handle::parse("[0 0 595 842]"));
                    })},
        HostileCase{"cropBoxOutsideMediaBox",
                    numbered(pageKey(2, "/CropBox", "[900 900 1000 1000]")),
                    "",
                    {unusableCropBoxWarning(2)}},
        HostileCase{"rotateMinus90", numbered(pageKey(4, "/Rotate", "-90"), 270)},
        HostileCase{"rotate450", numbered(pageKey(4, "/Rotate", "450"), 90)},
        HostileCase{"rotateNotAMultipleOf90",
                    numbered(both(pageKey(1, "/Rotate", "45"), pageKey(3, "/Rotate", "/Ninety"))),
                    "",
                    {unusableRotateWarning(1), unusableRotateWarning(3)}},
        HostileCase{
            "unusableMediaBoxes",
            numbered(both(both(pageKey(1, "/MediaBox", ""), pageKey(2, "/MediaBox", "[0 0 0 0]")),
                          both(pageKey(3, "/MediaBox", "[0 0 595]"),
                               pageKey(4, "/MediaBox", "[/a /b /c /d]")))),
            "",
            {defaultBoxOn(1), defaultBoxOn(2), defaultBoxOn(3), defaultBoxOn(4)}},
        HostileCase{"pageNestedTooDeep", numbered(nestTooDeep), unreadablePageMessage(2)},
        HostileCase{"rotateOverflowingAnInteger", overflowingRotate, unreadablePageMessage(3)},
        HostileCase{"contentsNotAStream", numbered(pageKey(4, "/Contents", "5")),
                    unreadablePageMessage(4)},
        HostileCase{"contentsThatDoNotInflate", numbered(contentsBetweenBadStreams(2)),
                    unreadablePageMessage(2)},
        HostileCase{
            "fifo",
            [](const fs::path& dir) {
                mkfifo((dir / "fifo").c_str(), 0600);
                return dir / "fifo";
            },
            notRegularFileMessage},
        HostileCase{"device", [](const fs::path&) { return fs::path("/dev/zero"); },
                    notRegularFileMessage},
        HostileCase{"folder", [](const fs::path& dir) { return dir; }, notRegularFileMessage}),
    caseName<HostileCase>);

struct StandardInputCase {
    const char* name;
    Document document; // what standard input reads
    std::string message;
};

class StandardInput : public ::testing::TestWithParam<StandardInputCase> {};

TEST_P(StandardInput, isReadWholeUpToItsLimit) {
    const StandardInputCase& c = GetParam();
    const TemporaryDirectory dir;
    const fs::path input = c.document(dir.path()), piped = dir.path() / "piped.pdf";
    const int saved = dup(STDIN_FILENO), document = open(input.c_str(), O_RDONLY);
    dup2(document, STDIN_FILENO);
    close(document);
    std::string message;
    try {
        Booklet("-", Mode::FourUp).writeDuplex(piped);
    } catch (const UserError& error) {
        message = error.what();
    }
    dup2(saved, STDIN_FILENO);
    close(saved);
    EXPECT_EQ(message, c.message);
    if (message.empty()) {
        const fs::path named = dir.path() / "named.pdf";
        Booklet(input, Mode::FourUp).writeDuplex(named);
        EXPECT_EQ(readFile(piped), readFile(named));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Documents, StandardInput,
    ::testing::Values(StandardInputCase{"numberedDocument", numbered(unchanged), ""},
                      StandardInputCase{"endlessDevice",
                                        [](const fs::path&) { return fs::path("/dev/zero"); },
                                        standardInputTooLargeMessage(standardInputLimit)}),
    caseName<StandardInputCase>);

struct NoticeCase {
    const char* name;
    int documentPages, bookletPages;
    const char* notice;
};

class RoundingNotice : public ::testing::TestWithParam<NoticeCase> {};

TEST_P(RoundingNotice, saysWhatWasAdded) {
    const NoticeCase& c = GetParam();
    EXPECT_EQ(roundingNotice(c.documentPages, c.bookletPages), c.notice);
}

INSTANTIATE_TEST_SUITE_P(
    Counts, RoundingNotice,
    ::testing::Values(
        NoticeCase{
            "plural", 566, 568,
            "Aggiunte 2 pagine bianche in fondo: il documento ha 566 pagine, l'opuscolo 568."},
        NoticeCase{"onePageAdded", 3, 4,
                   "Aggiunta 1 pagina bianca in fondo: il documento ha 3 pagine, l'opuscolo 4."},
        NoticeCase{"onePageDocument", 1, 8,
                   "Aggiunte 7 pagine bianche in fondo: il documento ha 1 pagina, l'opuscolo 8."}),
    caseName<NoticeCase>);

} // namespace
