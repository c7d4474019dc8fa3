#include "pdf_words.h"
#include "test_support.h"

#include "core/sheet_sides.h"
#include "imposition/booklet.h"
#include "tools/numbered_pdf/numbered_pdf.h"

#include <qpdf/QPDF.hh>

#include <gtest/gtest.h>

#include <map>

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

} // namespace
