#include "booklet_test_support.h"
#include "test_support.h"

#include "imposition/booklet.h"
#include "tools/numbered_pdf/numbered_pdf.h"

#include <qpdf/QPDF.hh>

#include <gtest/gtest.h>

#include <cstdio>
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

void expectSides(Mode mode, const std::vector<std::vector<Word>>& actual,
                 const std::vector<std::vector<int>>& listed, int documentPages) {
    ASSERT_EQ(actual.size(), listed.size());
    for (std::size_t side = 0; side < listed.size(); ++side) {
        std::map<int, int> expected, found;
        for (std::size_t cell = 0; cell < listed[side].size(); ++cell)
            if (listed[side][cell] <= documentPages) // the rest are blank pages
                expected[static_cast<int>(cell)] = listed[side][cell];
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

TEST_P(BookletLayout, putsEveryPageInTheCellTheListingGivesIt) {
    const BookletCase& c = GetParam();
    const TemporaryDirectory dir;
    const fs::path input = dir.path() / "doc.pdf";
    writeNumberedPdf(input, pagesOf(c.shapes, c.pages));
    Booklet booklet(input, c.mode);
    const Page rounded = booklet.check().pageCount;
    EXPECT_EQ(booklet.check().adjusted, rounded != c.pages);
    const fs::path duplex = dir.path() / "out.pdf", front = dir.path() / "out-fronte.pdf",
                   back = dir.path() / "out-retro.pdf";
    const Sides listed = listedSides(c.mode, rounded);
    if (c.separate) {
        booklet.writeSeparate(front, back);
        expectSides(c.mode, readSides(front), listed.fronts, c.pages);
        expectSides(c.mode, readSides(back), listed.backs, c.pages);
        EXPECT_EQ(duplexAndFonts(back), std::make_pair(std::string("/Simplex"), 1));
    } else {
        booklet.writeDuplex(duplex);
        std::vector<std::vector<int>> interleaved;
        for (std::size_t i = 0; i < listed.fronts.size(); ++i) {
            interleaved.push_back(listed.fronts[i]);
            interleaved.push_back(listed.backs[i]);
        }
        expectSides(c.mode, readSides(duplex), interleaved, c.pages);
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

} // namespace
