// Crafted and broken PDFs, each made by the test, imposed as a four-up booklet: what is refused
// and with which message, what is repaired with which warnings, which number sits in which cell,
// how large the booklet comes out and how much memory making it takes.
#include "pdf_words.h"
#include "test_support.h"

#include "core/user_error.h"
#include "imposition/booklet.h"
#include "imposition/imposition_messages.h"
#include "imposition/memory_limit.h"
#include "imposition/page_geometry.h"
#include "imposition/source_pdf.h"
#include "tools/numbered_pdf/numbered_pdf.h"

#include <qpdf/Buffer.hh>
#include <qpdf/Pl_Buffer.hh>
#include <qpdf/Pl_Flate.hh>
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

// A stream whose data "not encoded" is marked as encoded by `filter`.
Handle falselyEncoded(QPDF& pdf, const char* filter) {
    Handle stream = Handle::newStream(&pdf, std::string("not encoded"));
    stream.getDict().replaceKey("/Filter", Handle::newName(filter));
    return stream;
}

// Page `number`'s content stream between two more marked deflated that are not.
Change contentsBetweenBadStreams(int number) {
    return [=](QPDF& pdf, std::vector<QPDFPageObjectHelper>& pages) {
        Handle page = pages[number - 1].getObjectHandle();
        page.replaceKey("/Contents", Handle::newArray({falselyEncoded(pdf, "/FlateDecode"),
                                                       page.getKey("/Contents"),
                                                       falselyEncoded(pdf, "/FlateDecode")}));
    };
}

// Page `number` drawn by one stream marked as encoded by `filter`, which it is not.
Change contentsFalselyEncoded(int number, const char* filter) {
    return [=](QPDF& pdf, std::vector<QPDFPageObjectHelper>& pages) {
        pages[number - 1].getObjectHandle().replaceKey("/Contents", falselyEncoded(pdf, filter));
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

// The pages' font with arrays nested past the depth qpdf reads: qpdf reads it as null.
void nestFontTooDeep(QPDF&, std::vector<QPDFPageObjectHelper>& pages) {
    Handle nested = Handle::newArray();
    for (int depth = 0; depth < 600; ++depth)
        nested = Handle::newArray({nested});
    pages[0]
        .getObjectHandle()
        .getKey("/Resources")
        .getKey("/Font")
        .getKey("/F1")
        .replaceKey("/Nested", nested);
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

// On page 1, a text field whose value "41" its stale appearance doesn't show: that draws "99", and
// the form asks readers to make appearances anew.
void staleForm(QPDF& pdf, std::vector<QPDFPageObjectHelper>& pages) {
    Handle font = pdf.makeIndirectObject(
        Handle::parse("<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>"));
    Handle appearance = Handle::newStream(&pdf, "BT /Helv 12 Tf 2 8 Td (99) Tj ET");
    appearance.getDict().replaceKey("/BBox", Handle::parse("[0 0 100 30]"));
    appearance.getDict().replaceKey("/Resources", Handle::parse("<< /Font << >> >>"));
    appearance.getDict().getKey("/Resources").getKey("/Font").replaceKey("/Helv", font);
    Handle field = pdf.makeIndirectObject(
        Handle::parse("<< /Type /Annot /Subtype /Widget /FT /Tx /T (nome) /V (41) /F 4 "
                      "/Rect [250 400 350 430] /DA (/Helv 12 Tf 0 g) /AP << >> >>"));
    field.getKey("/AP").replaceKey("/N", appearance);
    field.replaceKey("/P", pages[0].getObjectHandle());
    Handle form = pdf.makeIndirectObject(
        Handle::parse("<< /NeedAppearances true /DA (/Helv 12 Tf 0 g) /DR << /Font << >> >> >>"));
    form.getKey("/DR").getKey("/Font").replaceKey("/Helv", font);
    form.replaceKey("/Fields", Handle::newArray({field}));
    pdf.getRoot().replaceKey("/AcroForm", form);
    pages[0].getObjectHandle().replaceKey("/Annots", Handle::newArray({field}));
}

// Writes `bytes` as the file `name` in `dir` and gives its path.
fs::path written(const fs::path& dir, const char* name, const std::string& bytes) {
    const fs::path path = dir / name;
    std::FILE* file = std::fopen(path.c_str(), "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
    return path;
}

// A PDF whose objects are `objects` (object i + 1's body each), with a cross-reference table.
std::string rawPdf(const std::vector<std::string>& objects) {
    std::string pdf = "%PDF-1.4\n", table;
    for (std::size_t i = 0; i < objects.size(); ++i) {
        char entry[21];
        std::snprintf(entry, sizeof entry, "%010zu 00000 n \n", pdf.size());
        table += entry;
        pdf += std::to_string(i + 1) + " 0 obj\n" + objects[i] + "\nendobj\n";
    }
    const std::size_t size = objects.size() + 1;
    return pdf + "xref\n0 " + std::to_string(size) + "\n0000000000 65535 f \n" + table +
           "trailer << /Size " + std::to_string(size) + " /Root 1 0 R >>\nstartxref\n" +
           std::to_string(pdf.size()) + "\n%%EOF\n";
}

// A one-page document whose page tree nests 22,000 levels deep: qpdf's recursive walk of it
// would overflow the stack.
fs::path deepPageTree(const fs::path& dir) {
    constexpr int levels = 22000;
    std::vector<std::string> objects{"<< /Type /Catalog /Pages 2 0 R >>"};
    for (int level = 0; level < levels; ++level) {
        const int self = level + 2;
        objects.push_back("<< /Type /Pages /Count 1 /Kids [" + std::to_string(self + 1) + " 0 R]" +
                          (level > 0 ? " /Parent " + std::to_string(self - 1) + " 0 R" : "") +
                          " >>");
    }
    objects.push_back("<< /Type /Page /Parent " + std::to_string(levels + 1) +
                      " 0 R /MediaBox [0 0 595 842] >>");
    return written(dir, "deep.pdf", rawPdf(objects));
}

// A document whose page tree lists one page 33,000 times, past the 16-bit page range.
fs::path onePageListedOften(const fs::path& dir) {
    std::string kids;
    for (int i = 0; i < 33000; ++i)
        kids += "3 0 R ";
    return written(dir, "often.pdf",
                   rawPdf({"<< /Type /Catalog /Pages 2 0 R >>",
                           "<< /Type /Pages /Count 33000 /Kids [" + kids + "] >>",
                           "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 595 842] >>"}));
}

// A document whose page tree lists a node of two pages twice: four pages, two of them again.
fs::path pagesNodeListedTwice(const fs::path& dir) {
    const std::string page = "<< /Type /Page /Parent 3 0 R /MediaBox [0 0 595 842] >>";
    return written(
        dir, "twice.pdf",
        rawPdf({"<< /Type /Catalog /Pages 2 0 R >>",
                "<< /Type /Pages /Count 4 /Kids [3 0 R 3 0 R] >>",
                "<< /Type /Pages /Parent 2 0 R /Count 2 /Kids [4 0 R 5 0 R] >>", page, page}));
}

// A 1 MB document whose page's font sits in an object stream that inflates to 1.25 GiB.
fs::path objectStreamBomb(const fs::path& dir) {
    Pl_Buffer deflated("deflated");
    Pl_Flate::setCompressionLevel(1); // the blanks compress as well, and faster
    Pl_Flate flate("deflate", &deflated, Pl_Flate::a_deflate);
    const std::string header = "5 0 ",
                      font = "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>";
    flate.writeString(header + font);
    const std::string blanks(std::size_t{1} << 20, ' ');
    for (int mebibyte = 0; mebibyte < 1280; ++mebibyte)
        flate.writeString(blanks);
    flate.finish();
    Pl_Flate::setCompressionLevel(-1);
    const std::shared_ptr<Buffer> buffer = deflated.getBufferSharedPointer();
    const std::string compressed(reinterpret_cast<const char*>(buffer->getBuffer()),
                                 buffer->getSize());
    const std::string content = "BT /F1 48 Tf 100 400 Td (1) Tj ET";
    std::string pdf = "%PDF-1.5\n";
    std::vector<std::size_t> offsets(8, 0);
    const auto object = [&](int number, const std::string& body) {
        offsets[static_cast<std::size_t>(number)] = pdf.size();
        pdf += std::to_string(number) + " 0 obj\n" + body + "\nendobj\n";
    };
    object(1, "<< /Type /Catalog /Pages 2 0 R >>");
    object(2, "<< /Type /Pages /Kids [3 0 R] /Count 1 >>");
    object(3, "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 595 842] /Contents 4 0 R "
              "/Resources << /Font << /F1 5 0 R >> >> >>");
    object(4, "<< /Length " + std::to_string(content.size()) + " >>\nstream\n" + content +
                  "\nendstream");
    object(6, "<< /Type /ObjStm /N 1 /First " + std::to_string(header.size()) +
                  " /Filter /FlateDecode /Length " + std::to_string(compressed.size()) +
                  " >>\nstream\n" + compressed + "\nendstream");
    // The cross-reference stream, object 7: type, offset or object stream, generation or index.
    offsets[7] = pdf.size();
    std::string entries;
    const auto entry = [&](int type, std::size_t field, int third) {
        entries += static_cast<char>(type);
        for (int shift = 24; shift >= 0; shift -= 8)
            entries += static_cast<char>((field >> shift) & 0xFF);
        entries += {static_cast<char>(third >> 8), static_cast<char>(third & 0xFF)};
    };
    entry(0, 0, 0xFFFF);
    for (int number = 1; number <= 7; ++number)
        number == 5 ? entry(2, 6, 0) : entry(1, offsets[static_cast<std::size_t>(number)], 0);
    pdf += "7 0 obj\n<< /Type /XRef /Size 8 /W [1 4 2] /Root 1 0 R /Length " +
           std::to_string(entries.size()) + " >>\nstream\n" + entries + "\nendstream\nendobj\n";
    pdf += "startxref\n" + std::to_string(offsets[7]) + "\n%%EOF\n";
    return written(dir, "bomb.pdf", pdf);
}

// The numbered document with an object numbered 2147483647, the largest there is, and its
// cross-reference table lost, so that qpdf repairs it and finds the object.
fs::path largestObjectNumber(const fs::path& dir) {
    std::string bytes = readFile(numbered(unchanged)(dir));
    bytes.replace(bytes.rfind("startxref"), 9, "startxerr");
    bytes.insert(bytes.rfind("%%EOF"), "2147483647 0 obj\n<< /Type /Foo >>\nendobj\n");
    return written(dir, "doc.pdf", bytes);
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
    bool large = false; // made in a child process, with the engine's memory limit, whose peak
                        // memory is measured
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
#ifdef PLICORA_SANITIZED
        if (!c.message.empty())
            GTEST_SKIP() << "the sanitizers take more address space than the engine's limit";
#endif
        // In a child, so that its peak memory is its own; its message comes back in a file.
        const fs::path said = dir.path() / "message.txt";
        const auto [status, peakMiB] = inChild([&] {
            limitMemory();
            impose();
            written(dir.path(), "message.txt", message);
            return message.empty() ? 0 : 1;
        });
        message = readFile(said);
        fs::remove(said);
        EXPECT_EQ(status, c.message.empty() ? 0 : 1);
        if (c.message.empty()) {
            EXPECT_LT(peakMiB, 256);
        }
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
        HostileCase{"staleFormAppearance", numbered(staleForm), "", {}, {{41, 1}}},
        HostileCase{"pageTreeTooDeep", deepPageTree, pageTreeTooDeepMessage(pageTreeMaxLevels)},
        HostileCase{"onePageListedOften", onePageListedOften, repeatedPageMessage(1, 2)},
        HostileCase{"pagesNodeListedTwice", pagesNodeListedTwice, repeatedPageMessage(1, 3)},
        HostileCase{"objectStreamBomb",
                    objectStreamBomb,
                    memoryLimitMessage(engineMemoryLimit),
                    {},
                    {},
                    true},
        HostileCase{"largestObjectNumber", largestObjectNumber, objectNumbersTooHighMessage},
        HostileCase{"pageNestedTooDeep", numbered(nestTooDeep), unreadablePageMessage(2)},
        HostileCase{"fontNestedTooDeep", numbered(nestFontTooDeep),
                    damagedPdfText("ignoring excessively deeply nested data structure")},
        HostileCase{"rotateOverflowingAnInteger", overflowingRotate, unreadablePageMessage(3)},
        HostileCase{"contentsNotAStream", numbered(pageKey(4, "/Contents", "5")),
                    unreadablePageMessage(4)},
        HostileCase{"contentsThatDoNotInflate", numbered(contentsBetweenBadStreams(2)),
                    unreadablePageMessage(2)},
        // A page's one stream is passed on as stored: it must still decode.
        HostileCase{"oneStreamThatDoesNotInflate",
                    numbered(contentsFalselyEncoded(3, "/FlateDecode")), unreadablePageMessage(3)},
        HostileCase{"oneStreamWithAnUnknownFilter",
                    numbered(contentsFalselyEncoded(1, "/NoSuchDecode")), unreadablePageMessage(1)},
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
