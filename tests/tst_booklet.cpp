#include "pdf_words.h"
#include "test_support.h"

#include "core/sheet_sides.h"
#include "imposition/booklet.h"
#include "tools/numbered_pdf/numbered_pdf.h"

#include <qpdf/QPDF.hh>

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <regex>

using namespace plicora;
using namespace plicora::testing;
namespace fs = std::filesystem;

namespace {

// Page shapes, the order of `shapes` below; a mixed document cycles through all five.
enum class Shapes { Portrait, Landscape, Rotated, Mixed };

std::vector<NumberedPage> pagesOf(Shapes shapes, int count) {
    const NumberedPage kinds[] = {
        {}, {842, 595, 0}, {595, 842, 90}, {595, 842, 180}, {842, 595, 270}};
    std::vector<NumberedPage> pages;
    for (int i = 0; i < count; ++i)
        pages.push_back(kinds[shapes == Shapes::Mixed ? i % 5 : static_cast<int>(shapes)]);
    return pages;
}

// Checks each side read back against the model's side: every page in its cell, blanks empty.
void expectSides(Mode mode, const std::vector<std::vector<Word>>& actual,
                 const std::vector<SheetSide>& modelled) {
    ASSERT_EQ(actual.size(), modelled.size());
    for (std::size_t side = 0; side < modelled.size(); ++side) {
        std::map<int, int> expected, found;
        for (int cell = 0; cell < modelled[side].cells; ++cell)
            if (!modelled[side].isBlank(cell))
                expected[cell] = modelled[side].pages[cell];
        for (const Word& word : actual[side]) {
            const auto [cell, placed] = cellOf(mode, word);
            EXPECT_TRUE(placed) << "page " << word.number << " at " << word.x << ", " << word.y;
            found[cell] = word.number;
        }
        EXPECT_EQ(found, expected) << "side " << side + 1;
    }
}

// The viewer preference for duplex printing, and how many font objects the file holds.
std::pair<std::string, int> duplexAndFonts(const fs::path& pdf) {
    QPDF document;
    document.processFile(pdf.c_str());
    int fonts = 0;
    for (QPDFObjectHandle& object : document.getAllObjects())
        fonts += object.isDictionary() && object.getKey("/Type").isNameAndEquals("/Font");
    return {document.getRoot().getKey("/ViewerPreferences").getKey("/Duplex").getName(), fonts};
}

struct BookletCase {
    const char* name;
    Mode mode;
    int pages;
    Shapes shapes;
    bool separate;
};

class BookletLayout : public ::testing::TestWithParam<BookletCase> {};

TEST_P(BookletLayout, putsEveryPageInTheCellTheModelGivesIt) {
    const BookletCase& c = GetParam();
    const TemporaryDirectory dir;
    const fs::path input = dir.path() / "doc.pdf";
    writeNumberedPdf(input, pagesOf(c.shapes, c.pages));
    Booklet booklet(input, c.mode);
    const Page rounded = booklet.check().pageCount;
    EXPECT_EQ(booklet.check().adjusted, rounded != c.pages);
    const fs::path duplex = dir.path() / "out.pdf", front = dir.path() / "out-fronte.pdf",
                   back = dir.path() / "out-retro.pdf";
    std::vector<SheetSide> fronts, backs, interleaved;
    for (const Sheet& sheet : sheetSides(c.mode, rounded, 0, c.pages).sheets) {
        fronts.push_back(sheet.front);
        backs.push_back(sheet.back);
        interleaved.insert(interleaved.end(), {sheet.front, sheet.back});
    }
    if (c.separate) {
        booklet.writeSeparate(front, back);
        expectSides(c.mode, readSides(front), fronts);
        expectSides(c.mode, readSides(back), backs);
        EXPECT_EQ(duplexAndFonts(back), std::make_pair(std::string("/Simplex"), 1));
    } else {
        booklet.writeDuplex(duplex);
        expectSides(c.mode, readSides(duplex), interleaved);
        EXPECT_EQ(duplexAndFonts(duplex), std::make_pair(std::string("/DuplexFlipShortEdge"), 1));
    }
}

INSTANTIATE_TEST_SUITE_P(
    PageCounts, BookletLayout,
    ::testing::Values(BookletCase{"fourUp4", Mode::FourUp, 4, Shapes::Portrait, false},
                      BookletCase{"fourUp5Rounded", Mode::FourUp, 5, Shapes::Portrait, false},
                      BookletCase{"fourUp12MixedSeparate", Mode::FourUp, 12, Shapes::Mixed, true},
                      BookletCase{"fourUp8Landscape", Mode::FourUp, 8, Shapes::Landscape, false},
                      BookletCase{"fourUp4Rotated", Mode::FourUp, 4, Shapes::Rotated, false},
                      BookletCase{"fourUp2000", Mode::FourUp, 2000, Shapes::Portrait, false},
                      BookletCase{"eightUp1Rounded", Mode::EightUp, 1, Shapes::Portrait, false},
                      BookletCase{"eightUp8", Mode::EightUp, 8, Shapes::Portrait, false},
                      BookletCase{"eightUp13MixedRounded", Mode::EightUp, 13, Shapes::Mixed, false},
                      BookletCase{"eightUp16LandscapeSeparate", Mode::EightUp, 16,
                                  Shapes::Landscape, true},
                      BookletCase{"eightUp24Rotated", Mode::EightUp, 24, Shapes::Rotated, false}),
    caseName<BookletCase>);

// For a printer turning the sheet on its long edge: every back turned by 180 degrees, the fronts
// as they were, and print dialogs asked for the long edge.
TEST(LongEdgeBooklet, turnsEveryBackAndOnlyTheBacks) {
    const TemporaryDirectory dir;
    const fs::path input = dir.path() / "doc.pdf", output = dir.path() / "out.pdf";
    writeNumberedPdf(input, pagesOf(Shapes::Mixed, 12));
    Booklet(input, Mode::FourUp, {.turnedBacks = true}).writeDuplex(output);
    const auto sides = readSides(output);
    std::vector<SheetSide> modelledSides;
    for (const Sheet& sheet : sheetSides(Mode::FourUp, 12, 0, 12).sheets)
        modelledSides.insert(modelledSides.end(), {sheet.front, sheet.back});
    ASSERT_EQ(sides.size(), modelledSides.size());
    for (std::size_t side = 0; side < sides.size(); ++side) {
        std::vector<std::vector<Word>> one{sides[side]};
        // A turned side reads right once turned back.
        if (side % 2 == 1)
            for (Word& word : one.front()) {
                word.x = 842 - word.x;
                word.y = 595 - word.y;
            }
        expectSides(Mode::FourUp, one, {modelledSides[side]});
    }
    EXPECT_EQ(duplexAndFonts(output).first, "/DuplexFlipLongEdge");
}

// Laid out within a margin, a booklet asks viewers to print it as it is: their "fit to page"
// would shrink it again and move the folds.
TEST(MarginBooklet, asksViewersNotToScale) {
    const TemporaryDirectory dir;
    writeNumberedPdf(dir.path() / "doc.pdf", std::vector<NumberedPage>(4));
    for (const int margin : {0, 635}) {
        Booklet(dir.path() / "doc.pdf", Mode::FourUp, {.margin = margin})
            .writeDuplex(dir.path() / "out.pdf");
        QPDF written;
        written.processFile((dir.path() / "out.pdf").c_str());
        EXPECT_EQ(written.getRoot()
                      .getKey("/ViewerPreferences")
                      .getKey("/PrintScaling")
                      .isNameAndEquals("/None"),
                  margin > 0);
    }
}

} // namespace

namespace {

// A booklet on some paper and binding, and what it should hold: the size of every side in
// points, and the pages in each side's cells ("_" for a blank), side after side as written.
struct SheetCase {
    const char* name;
    Mode mode;
    int pages;
    BookletOptions options;
    SideSize size;
    const char* cells;
};

// The cells of every side read back, in the form of SheetCase::cells.
std::string cellsRead(Mode mode, const std::vector<std::vector<Word>>& sides, SideSize size) {
    std::string text;
    for (const std::vector<Word>& side : sides) {
        std::vector<std::string> cells(mode == Mode::FourUp ? 2 : 4, "_");
        for (const Word& word : side) {
            const auto [cell, placed] = cellOf(mode, word, size);
            EXPECT_TRUE(placed) << "page " << word.number << " at " << word.x << ", " << word.y;
            cells[static_cast<std::size_t>(cell)] = word.text;
        }
        text += text.empty() ? "" : " | ";
        for (std::size_t cell = 0; cell < cells.size(); ++cell)
            text += (cell == 0 ? "" : " ") + cells[cell];
    }
    return text;
}

class SheetAndBinding : public ::testing::TestWithParam<SheetCase> {};

TEST_P(SheetAndBinding, putEachPageWhereThePaperAndBindingWantIt) {
    const SheetCase& c = GetParam();
    const TemporaryDirectory dir;
    writeNumberedPdf(dir.path() / "doc.pdf", std::vector<NumberedPage>(c.pages));
    Booklet(dir.path() / "doc.pdf", c.mode, c.options).writeDuplex(dir.path() / "b.pdf");
    const auto sides = readSides(dir.path() / "b.pdf", c.size);
    EXPECT_EQ(cellsRead(c.mode, sides, c.size), c.cells);
    if (c.options.creep == 0)
        return;
    // The innermost sheet's pages move towards the fold by the whole creep, the outermost's
    // not at all.
    BookletOptions still = c.options;
    still.creep = 0;
    Booklet(dir.path() / "doc.pdf", c.mode, still).writeDuplex(dir.path() / "still.pdf");
    const auto stillSides = readSides(dir.path() / "still.pdf", c.size);
    ASSERT_EQ(stillSides.size(), sides.size());
    for (std::size_t s = 0; s < sides.size(); ++s)
        for (std::size_t w = 0; w < sides[s].size(); ++w) {
            const bool inner = s + 2 >= sides.size(), left = sides[s][w].x < c.size.width / 2.0;
            const double creep = inner ? c.options.creep * 72.0 / 2540 : 0;
            EXPECT_NEAR(sides[s][w].x - stillSides[s][w].x, left ? creep : -creep, 0.01)
                << "side " << s + 1 << " page " << sides[s][w].text;
        }
}

constexpr Binding rightToLeft{.rightToLeft = true}, backCoverLast{.backCoverLast = true};

INSTANTIATE_TEST_SUITE_P(
    Papers, SheetAndBinding,
    ::testing::Values(
        SheetCase{"a4", Mode::FourUp, 4, {}, {842, 595}, "4 1 | 2 3"},
        SheetCase{"a3", Mode::FourUp, 4, {.paper = {29700, 42000}}, {1191, 842}, "4 1 | 2 3"},
        SheetCase{
            "a5", Mode::EightUp, 8, {.paper = {14800, 21000}}, {595, 420}, "7 8 1 2 | 3 4 5 6"},
        SheetCase{"letter", Mode::FourUp, 4, {.paper = {21590, 27940}}, {792, 612}, "4 1 | 2 3"},
        SheetCase{"legal", Mode::FourUp, 4, {.paper = {21590, 35560}}, {1008, 612}, "4 1 | 2 3"},
        SheetCase{"tabloid",
                  Mode::EightUp,
                  8,
                  {.paper = {27940, 43180}},
                  {1224, 792},
                  "7 8 1 2 | 3 4 5 6"},
        // Given portrait or landscape, the sheet is the paper in landscape.
        SheetCase{"custom", Mode::FourUp, 4, {.paper = {45000, 32000}}, {1276, 907}, "4 1 | 2 3"},
        SheetCase{"rightToLeftRounded",
                  Mode::FourUp,
                  6,
                  {.binding = rightToLeft},
                  {},
                  "1 _ | _ 2 | 3 6 | 5 4"},
        SheetCase{"rightToLeftEightUpA3",
                  Mode::EightUp,
                  8,
                  {.paper = {29700, 42000}, .binding = rightToLeft},
                  {1191, 842},
                  "1 2 7 8 | 5 6 3 4"},
        SheetCase{"backCoverLast",
                  Mode::FourUp,
                  6,
                  {.binding = backCoverLast},
                  {},
                  "6 1 | 2 _ | _ 3 | 4 5"},
        SheetCase{"backCoverLastEightUp",
                  Mode::EightUp,
                  5,
                  {.binding = backCoverLast},
                  {},
                  "_ 5 1 2 | 3 4 _ _"},
        SheetCase{
            "backCoverLastOnePage", Mode::FourUp, 1, {.binding = backCoverLast}, {}, "_ 1 | _ _"},
        // The blanks go into the last signature, just before its last page.
        SheetCase{"backCoverLastSignatures",
                  Mode::FourUp,
                  10,
                  {.sheetsPerSignature = 2, .binding = backCoverLast},
                  {},
                  "8 1 | 2 7 | 6 3 | 4 5 | 10 9 | _ _"},
        SheetCase{"everythingWithCreep",
                  Mode::FourUp,
                  7,
                  {.creep = 200,
                   .paper = {21590, 27940},
                   .binding = {.rightToLeft = true, .backCoverLast = true}},
                  {792, 612},
                  "1 7 | _ 2 | 3 6 | 5 4"}),
    caseName<SheetCase>);

// Whether `pdf`, less its /ID (which the document's path goes into), has the MD5 sum `sum`.
void expectSum(const fs::path& pdf, const char* sum) {
    const std::regex id("/ID \\[<[0-9a-f]{32}><[0-9a-f]{32}>\\]");
    const std::string bytes = readFile(pdf);
    const fs::path stripped = pdf.string() + ".sansid";
    std::ofstream(stripped, std::ios::binary) << std::regex_replace(bytes, id, "");
    std::FILE* md5 = popen(("md5sum '" + stripped.string() + "'").c_str(), "r");
    char line[33] = {};
    EXPECT_TRUE(md5 && std::fgets(line, sizeof line, md5)) << pdf;
    if (md5)
        pclose(md5);
    EXPECT_STREQ(line, sum) << pdf;
}

// With A4 paper and the plain binding, as every booklet was made before the paper and the
// binding could be chosen, the files stay what they were to the byte.
TEST(PlainBooklets, stayWhatTheyWereByteForByte) {
    const TemporaryDirectory dir;
    writeNumberedPdf(dir.path() / "doc.pdf", std::vector<NumberedPage>(18), 3);
    const BookletOptions a4{.paper = {21000, 29700}, .binding = {}};
    Booklet(dir.path() / "doc.pdf", Mode::FourUp, a4).writeDuplex(dir.path() / "four.pdf");
    Booklet(dir.path() / "doc.pdf", Mode::EightUp, a4)
        .writeSeparate(dir.path() / "eight-fronte.pdf", dir.path() / "eight-retro.pdf");
    expectSum(dir.path() / "four.pdf", "0b6beabf15b550921c2beb6104ff21cd");
    expectSum(dir.path() / "eight-fronte.pdf", "35b43ebc6ea28ed9a467bc385d9276a6");
    expectSum(dir.path() / "eight-retro.pdf", "38c0a3c278c3a63e84a9e2b19066e2a4");
}

} // namespace
