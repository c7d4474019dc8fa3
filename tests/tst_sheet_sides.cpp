#include "core/reading_spreads.h"
#include "core/sheet_sides.h"
#include "core/user_error.h"

#include <gtest/gtest.h>

#include <numeric>
#include <vector>

using namespace plicora;

namespace {

// One side's pages, in cell order.
using Cells = std::vector<int>;

Cells cellsOf(const SheetSide& side) {
    return {side.pages.begin(), side.pages.begin() + side.cells};
}

// Side `face` of every sheet, run together: the four-up listing's sequence.
Cells run(const SheetSides& sides, Face face) {
    Cells pages;
    for (const Sheet& sheet : sides.sheets)
        for (const int page : cellsOf(sheet.side(face)))
            pages.push_back(page);
    return pages;
}

struct RunCase {
    Page n;
    Page s;
    Cells front;
    Cells back;
};

class FourUp : public testing::TestWithParam<RunCase> {};

TEST_P(FourUp, matchesTheKnownSequences) {
    const RunCase& c = GetParam();
    const SheetSides sides = sheetSides(Mode::FourUp, c.n, c.s, c.n);
    EXPECT_EQ(run(sides, Face::Front), c.front);
    EXPECT_EQ(run(sides, Face::Back), c.back);
}

INSTANTIATE_TEST_SUITE_P(
    Known, FourUp,
    testing::Values(
        RunCase{4, 0, {4, 1}, {2, 3}}, RunCase{8, 0, {8, 1, 6, 3}, {2, 7, 4, 5}},
        RunCase{12, 0, {12, 1, 10, 3, 8, 5}, {2, 11, 4, 9, 6, 7}},
        RunCase{8, 4, {12, 5, 10, 7}, {6, 11, 8, 9}}, RunCase{4, -1, {3, 0}, {1, 2}},
        RunCase{0, 0, {}, {}}, RunCase{-8, 0, {}, {}},
        RunCase{40,
                0,
                {40, 1, 38, 3, 36, 5, 34, 7, 32, 9, 30, 11, 28, 13, 26, 15, 24, 17, 22, 19},
                {2, 39, 4, 37, 6, 35, 8, 33, 10, 31, 12, 29, 14, 27, 16, 25, 18, 23, 20, 21}}));

struct QuadCase {
    Page n;
    Page s;
    int sheet;
    Cells front;
    Cells back;
};

class EightUp : public testing::TestWithParam<QuadCase> {};

TEST_P(EightUp, matchesTheKnownQuads) {
    const QuadCase& c = GetParam();
    const SheetSides sides = sheetSides(Mode::EightUp, c.n, c.s, c.n);
    const Sheet& sheet = sides.sheets.at(c.sheet - 1);
    EXPECT_EQ(sheet.number, c.sheet);
    EXPECT_EQ(cellsOf(sheet.front), c.front);
    EXPECT_EQ(cellsOf(sheet.back), c.back);
}

INSTANTIATE_TEST_SUITE_P(
    Known, EightUp,
    testing::Values(QuadCase{8, 0, 1, {7, 8, 1, 2}, {3, 4, 5, 6}},
                    QuadCase{16, 0, 1, {15, 16, 1, 2}, {3, 4, 13, 14}},
                    QuadCase{16, 0, 2, {11, 12, 5, 6}, {7, 8, 9, 10}},
                    QuadCase{24, 0, 3, {15, 16, 9, 10}, {11, 12, 13, 14}},
                    QuadCase{
                        32760, 0, 4095, {16383, 16384, 16377, 16378}, {16379, 16380, 16381, 16382}},
                    // The first-page offset shifts every page, as in four-up mode.
                    QuadCase{8, 4, 1, {11, 12, 5, 6}, {7, 8, 9, 10}},
                    QuadCase{8, -1, 1, {6, 7, 0, 1}, {2, 3, 4, 5}}));

TEST(SheetSides, fourUp2000PagesEndOnTheKnownPairs) {
    const SheetSides sides = sheetSides(Mode::FourUp, 2000, 0, 2000);
    ASSERT_EQ(sides.sheets.size(), 500u);
    EXPECT_EQ(cellsOf(sides.sheets.back().front), (Cells{1002, 999}));
    EXPECT_EQ(cellsOf(sides.sheets.back().back), (Cells{1000, 1001}));
}

TEST(SheetSides, hasNoSheetsForNoPages) {
    EXPECT_TRUE(sheetSides(Mode::EightUp, 0, 0, 0).sheets.empty());
    EXPECT_TRUE(sheetSides(Mode::EightUp, -32768, 32767, 0).sheets.empty());
}

// Every page of the document, shifted by the offset, is printed exactly once.
TEST(SheetSides, printEveryPageOnceForEveryCount) {
    std::vector<int> seen;
    for (const Mode mode : {Mode::FourUp, Mode::EightUp}) {
        const int q = pagesPerSheet(mode), last = mode == Mode::FourUp ? 2000 : 32760;
        for (int n = q; n <= last; n += q) {
            const Page s = n % (2 * q) == 0 ? 0 : (n % 3 == 0 ? -1 : 4);
            const SheetSides sides = sheetSides(mode, static_cast<Page>(n), s, n);
            ASSERT_EQ(static_cast<int>(sides.sheets.size()), n / q);
            seen.assign(n + 1, 0);
            for (const Face face : {Face::Front, Face::Back})
                for (const int page : run(sides, face))
                    if (page - s >= 1 && page - s <= n)
                        ++seen[page - s];
            ASSERT_EQ(std::count(seen.begin() + 1, seen.end(), 1), n) << "N=" << n << " S=" << s;
        }
    }
}

TEST(SheetSides, markThePagesAfterTheDocumentAsBlanks) {
    // Five pages rounded to eight: pages 6, 7 and 8 fill the last sheet, wherever they fall.
    const SheetSides sides = sheetSides(Mode::FourUp, 8, 0, 5);
    for (const Sheet& sheet : sides.sheets)
        for (const SheetSide* side : {&sheet.front, &sheet.back})
            for (int cell = 0; cell < side->cells; ++cell)
                EXPECT_EQ(side->isBlank(cell), side->pages[cell] > 5) << side->pages[cell];
}

TEST(SheetSides, refuseMoreThan500FourUpSheetsWithTheirMessage) {
    for (const Page n : {Page{2004}, Page{32764}}) {
        try {
            sheetSides(Mode::FourUp, n, 0, n);
            FAIL() << n << " pages accepted";
        } catch (const UserError& e) {
            EXPECT_STREQ(e.what(), "Il numero di pagine supera il massimo di 2000 (500 fogli) per "
                                   "la stampa a 4 pagine per foglio");
        }
    }
}

// How a folded signature reads: down the fronts' right and the backs' left from the outermost
// sheet in, then back out along the backs' right and the fronts' left.
Cells foldedReading(const SheetSides& sides, const Signature& signature) {
    Cells pages;
    const auto sheet = [&](int i) -> const Sheet& {
        return sides.sheets.at(signature.firstSheet + i);
    };
    for (int i = 0; i < signature.sheets; ++i)
        pages.insert(pages.end(), {sheet(i).front.pages[1], sheet(i).back.pages[0]});
    for (int i = signature.sheets - 1; i >= 0; --i)
        pages.insert(pages.end(), {sheet(i).back.pages[1], sheet(i).front.pages[0]});
    return pages;
}

struct SignatureCase {
    Page n;
    Page s;
    int perSignature;
    std::vector<int> sizes; // sheets in each signature
};

class FourUpSignatures : public testing::TestWithParam<SignatureCase> {};

TEST_P(FourUpSignatures, eachFoldsIntoItsOwnRunOfPages) {
    const SignatureCase& c = GetParam();
    const SheetSides sides = sheetSides(Mode::FourUp, c.n, c.s, c.n, c.perSignature);
    ASSERT_EQ(sides.signatures.size(), c.sizes.size());
    int nextPage = c.s + 1, nextSheet = 0;
    for (std::size_t g = 0; g < c.sizes.size(); ++g) {
        const Signature& signature = sides.signatures[g];
        EXPECT_EQ(signature.firstSheet, nextSheet);
        EXPECT_EQ(signature.sheets, c.sizes[g]);
        EXPECT_EQ(signature.firstPage, nextPage);
        EXPECT_EQ(signature.lastPage, nextPage + 4 * c.sizes[g] - 1);
        Cells expected(static_cast<std::size_t>(4 * c.sizes[g]));
        std::iota(expected.begin(), expected.end(), nextPage);
        EXPECT_EQ(foldedReading(sides, signature), expected) << "signature " << g + 1;
        for (int i = 0; i < signature.sheets; ++i) {
            const Sheet& sheet = sides.sheets[static_cast<std::size_t>(nextSheet + i)];
            EXPECT_EQ(sheet.number, nextSheet + i + 1);
            EXPECT_EQ(sheet.signature, static_cast<int>(g));
            EXPECT_EQ(sheet.place, i);
        }
        nextPage += 4 * c.sizes[g];
        nextSheet += c.sizes[g];
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, FourUpSignatures,
                         testing::Values(SignatureCase{40, 0, 0, {10}},
                                         SignatureCase{40, 0, 10, {10}},
                                         SignatureCase{40, 0, 500, {10}},
                                         SignatureCase{40, 0, 3, {3, 3, 3, 1}},
                                         SignatureCase{40, 0, 1, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1}},
                                         SignatureCase{24, 4, 4, {4, 2}},
                                         SignatureCase{2000, 0, 12, [] {
                                                           std::vector<int> sizes(41, 12);
                                                           sizes.push_back(8);
                                                           return sizes;
                                                       }()}));

TEST(SheetSides, makeOneSignatureOfTheWholeJobUnlessAsked) {
    for (const int perSignature : {0, -3, 10, 11}) {
        const SheetSides sides = sheetSides(Mode::EightUp, 80, 0, 80, perSignature);
        const SheetSides plain = sheetSides(Mode::EightUp, 80, 0, 80);
        ASSERT_EQ(sides.signatures.size(), 1u);
        for (std::size_t i = 0; i < plain.sheets.size(); ++i) {
            EXPECT_EQ(sides.sheets[i].front, plain.sheets[i].front);
            EXPECT_EQ(sides.sheets[i].back, plain.sheets[i].back);
        }
    }
}

TEST(SheetSides, orderEachEightUpSignatureAsAnEightUpBookletOfItsPages) {
    // 24 pages in signatures of two sheets: pages 1-16 as a 16-page booklet, then 17-24.
    const SheetSides sides = sheetSides(Mode::EightUp, 24, 0, 21, 2);
    ASSERT_EQ(sides.sheets.size(), 3u);
    EXPECT_EQ(cellsOf(sides.sheets[0].front), (Cells{15, 16, 1, 2}));
    EXPECT_EQ(cellsOf(sides.sheets[1].back), (Cells{7, 8, 9, 10}));
    EXPECT_EQ(cellsOf(sides.sheets[2].front), (Cells{23, 24, 17, 18}));
    EXPECT_EQ(cellsOf(sides.sheets[2].back), (Cells{19, 20, 21, 22}));
    // Pages 22 to 24 are the blanks, at the end of the last signature.
    EXPECT_EQ(sides.sheets[2].front.blanks, 0b0011u);
    EXPECT_EQ(sides.sheets[2].back.blanks, 0b1000u);
    EXPECT_EQ(sides.sheets[2].place, 0);
    EXPECT_EQ(sides.sheets[2].signature, 1);
}

struct OverflowCase {
    Mode mode;
    Page n;
    Page s;
    bool overflows;
};

class Overflow : public testing::TestWithParam<OverflowCase> {};

TEST_P(Overflow, startsWhereAShiftedPageLeaves16Bits) {
    const OverflowCase& c = GetParam();
    if (c.overflows)
        EXPECT_THROW(sheetSides(c.mode, c.n, c.s, c.n), UserError);
    else
        EXPECT_NO_THROW(sheetSides(c.mode, c.n, c.s, c.n));
}

INSTANTIATE_TEST_SUITE_P(Edges, Overflow,
                         testing::Values(OverflowCase{Mode::FourUp, 8, 32760, true},
                                         OverflowCase{Mode::FourUp, 8, 32759, false},
                                         OverflowCase{Mode::FourUp, 8, -32768, false},
                                         OverflowCase{Mode::EightUp, 32760, 8, true},
                                         OverflowCase{Mode::EightUp, 32760, 7, false},
                                         OverflowCase{Mode::EightUp, 8, -32768, false}));

// A booklet read spread by spread: the cover alone on the right, facing pairs, the back cover
// alone; opening from the right, each spread mirrored.
struct SpreadCase {
    const char* name;
    int pages;
    bool rightToLeft;
    std::vector<Spread> spreads;
};

class Spreads : public ::testing::TestWithParam<SpreadCase> {};

TEST_P(Spreads, readEveryPageOnceInOrder) {
    const SpreadCase& c = GetParam();
    ASSERT_EQ(spreadCount(c.pages), static_cast<int>(c.spreads.size()));
    for (int i = 0; i < spreadCount(c.pages); ++i)
        EXPECT_EQ(spreadAt(i, c.pages, c.rightToLeft), c.spreads[static_cast<std::size_t>(i)]) << i;
}

INSTANTIATE_TEST_SUITE_P(
    Booklets, Spreads,
    ::testing::Values(SpreadCase{"none", 0, false, {}},
                      SpreadCase{"oneSheet", 4, false, {{0, 1}, {2, 3}, {4, 0}}},
                      SpreadCase{"fromTheRight", 4, true, {{1, 0}, {3, 2}, {0, 4}}},
                      SpreadCase{"eightUp", 8, false, {{0, 1}, {2, 3}, {4, 5}, {6, 7}, {8, 0}}}),
    [](const auto& info) { return std::string(info.param.name); });

// Where the document's pages are in a booklet of more pages: the blanks at the end, or before a
// back cover kept last.
TEST(SheetSides, placeTheDocumentsPagesAmongTheBlanks) {
    const std::vector<int> atEnd{1, 2, 3, 4, 5, 0, 0, 0};
    const std::vector<int> coverLast{1, 2, 3, 4, 0, 0, 0, 5};
    for (int position = 1; position <= 8; ++position) {
        const auto at = static_cast<std::size_t>(position - 1);
        EXPECT_EQ(documentPageAt(position, 5, 8, {}), atEnd[at]) << position;
        EXPECT_EQ(documentPageAt(position, 5, 8, {.backCoverLast = true}), coverLast[at])
            << position;
    }
}

} // namespace
