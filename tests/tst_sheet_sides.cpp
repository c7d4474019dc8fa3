#include "core/sheet_sides.h"
#include "core/user_error.h"

#include <gtest/gtest.h>

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

} // namespace
