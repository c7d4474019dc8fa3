#include "core/user_error.h"
#include "core/four_up.h"

#include <gtest/gtest.h>

#include <vector>

using namespace plicora;

namespace {

std::vector<int> run(const PageTable& table, int entries) {
    return {table.begin() + 1, table.begin() + 1 + entries};
}

struct BookletCase {
    Page n;
    Page s;
    std::vector<int> front;
    std::vector<int> back;
};

class FourUp : public testing::TestWithParam<BookletCase> {};

TEST_P(FourUp, matchesTheKnownTables) {
    const BookletCase& c = GetParam();
    const FourUpSequence sequence = computeFourUp(c.n, c.s);
    ASSERT_EQ(sequence.entries, static_cast<int>(c.front.size()));
    EXPECT_EQ(run(sequence.front, sequence.entries), c.front);
    EXPECT_EQ(run(sequence.back, sequence.entries), c.back);
}

INSTANTIATE_TEST_SUITE_P(
    Known, FourUp,
    testing::Values(
        BookletCase{4, 0, {4, 1}, {2, 3}}, BookletCase{8, 0, {8, 1, 6, 3}, {2, 7, 4, 5}},
        BookletCase{12, 0, {12, 1, 10, 3, 8, 5}, {2, 11, 4, 9, 6, 7}},
        BookletCase{8, 4, {12, 5, 10, 7}, {6, 11, 8, 9}}, BookletCase{4, -1, {3, 0}, {1, 2}},
        BookletCase{0, 0, {}, {}}, BookletCase{-8, 0, {}, {}},
        BookletCase{40,
                    0,
                    {40, 1, 38, 3, 36, 5, 34, 7, 32, 9, 30, 11, 28, 13, 26, 15, 24, 17, 22, 19},
                    {2, 39, 4, 37, 6, 35, 8, 33, 10, 31, 12, 29, 14, 27, 16, 25, 18, 23, 20, 21}}));

TEST(FourUp, fillsAllThousandPositionsFor2000Pages) {
    const FourUpSequence sequence = computeFourUp(2000, 0);
    ASSERT_EQ(sequence.entries, 1000);
    EXPECT_EQ(sequence.front[999], 1002);
    EXPECT_EQ(sequence.front[1000], 999);
    EXPECT_EQ(sequence.back[999], 1000);
    EXPECT_EQ(sequence.back[1000], 1001);
}

// Every page of the document, shifted by the offset, is printed exactly once.
TEST(FourUp, printsEveryPageOnceForEveryCount) {
    for (const Page s : {Page{0}, Page{-1}, Page{4}}) {
        for (int n = 4; n <= 2000; n += 4) {
            const FourUpSequence sequence = computeFourUp(static_cast<Page>(n), s);
            std::vector<int> seen(n + 1);
            for (int i = 1; i <= sequence.entries; ++i)
                for (const int page : {sequence.front[i], sequence.back[i]})
                    if (page - s >= 1 && page - s <= n)
                        ++seen[page - s];
            ASSERT_EQ(std::count(seen.begin() + 1, seen.end(), 1), n) << "N=" << n << " S=" << s;
        }
    }
}

TEST(FourUp, refusesMoreThan500SheetsWithItsMessage) {
    for (const Page n : {Page{2004}, Page{32764}}) {
        try {
            computeFourUp(n, 0);
            FAIL() << n << " pages accepted";
        } catch (const UserError& e) {
            EXPECT_STREQ(e.what(), "Il numero di pagine supera il massimo di 2000 (500 fogli) per "
                                   "la stampa a 4 pagine per foglio");
        }
    }
}

TEST(FourUp, overflowsWhenAPageLeaves16Bits) {
    EXPECT_THROW(computeFourUp(8, 32760), UserError);
    EXPECT_EQ(computeFourUp(8, -32768).front[2], -32767);
    EXPECT_EQ(computeFourUp(8, 32759).front[1], 32767);
}

} // namespace
