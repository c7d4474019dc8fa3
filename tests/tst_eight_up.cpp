#include "core/user_error.h"
#include "core/eight_up.h"

#include <gtest/gtest.h>

#include <vector>

using namespace plicora;

namespace {

struct QuadCase {
    Page n;
    Page s;
    int sheet;
    SheetQuad front;
    SheetQuad back;
};

class EightUp : public testing::TestWithParam<QuadCase> {};

TEST_P(EightUp, matchesTheKnownQuads) {
    const QuadCase& c = GetParam();
    const EightUpSequence sequence(c.n, c.s);
    EXPECT_EQ(sequence.front(c.sheet), c.front);
    EXPECT_EQ(sequence.back(c.sheet), c.back);
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

TEST(EightUp, hasNoSheetsForNoPages) {
    EXPECT_EQ(EightUpSequence(0, 0).sheets(), 0);
    EXPECT_EQ(EightUpSequence(-32768, 32767).sheets(), 0);
}

// Every page of the document, shifted by the offset, is printed exactly once.
TEST(EightUp, printsEveryPageOnceForEveryCount) {
    std::vector<int> seen;
    for (int n = 8; n <= 32760; n += 8) {
        const Page s = n % 16 == 0 ? 0 : 2;
        const EightUpSequence sequence(static_cast<Page>(n), s);
        ASSERT_EQ(sequence.sheets(), n / 8);
        seen.assign(n + 1, 0);
        for (int j = 1; j <= sequence.sheets(); ++j)
            for (const SheetQuad& q : {sequence.front(j), sequence.back(j)})
                for (const int page : {q.p1, q.p2, q.p3, q.p4})
                    if (page - s >= 1 && page - s <= n)
                        ++seen[page - s];
        ASSERT_EQ(std::count(seen.begin() + 1, seen.end(), 1), n) << "N=" << n;
    }
}

TEST(EightUp, overflowsWhenAShiftedPageLeaves16Bits) {
    EXPECT_THROW(EightUpSequence(32760, 8), UserError);
    EXPECT_EQ(EightUpSequence(8, -32768).front(1).p3, -32767);
    EXPECT_EQ(EightUpSequence(32760, 7).front(1).p2, 32767);
}

} // namespace
