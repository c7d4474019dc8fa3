#include "core/page_count.h"
#include "core/user_error.h"

#include <gtest/gtest.h>

using namespace plicora;

namespace {

struct CheckCase {
    Mode mode;
    Page in;
    Page out;
    int sheets;
};

class CheckPageCount : public testing::TestWithParam<CheckCase> {};

TEST_P(CheckPageCount, roundsUpToWholeSheets) {
    const CheckCase& c = GetParam();
    const PageCountCheck check = checkPageCount(c.in, c.mode);
    EXPECT_EQ(check.pageCount, c.out);
    EXPECT_EQ(check.adjusted, c.in != c.out);
    EXPECT_EQ(check.pageCountText, check.adjusted ? std::to_string(c.out) : "");
    const std::string warning = std::string("Il numero di pagina non \u00e8 multiplo di ") +
                                (c.mode == Mode::FourUp ? "4" : "8") +
                                ".Bisogna aggiungere al documento alcuni fogli bianchi";
    EXPECT_EQ(check.pageWarning, check.adjusted ? warning : "");
    EXPECT_EQ(sheetCount(check.pageCount, c.mode), c.sheets);
}

INSTANTIATE_TEST_SUITE_P(
    Counts, CheckPageCount,
    testing::Values(CheckCase{Mode::FourUp, 40, 40, 10}, CheckCase{Mode::FourUp, 41, 44, 11},
                    CheckCase{Mode::EightUp, 41, 48, 6}, CheckCase{Mode::EightUp, 40, 40, 5},
                    CheckCase{Mode::FourUp, 0, 0, 0}, CheckCase{Mode::FourUp, -8, -8, -2},
                    CheckCase{Mode::FourUp, -5, -4, -1}, CheckCase{Mode::EightUp, -9, -8, -1},
                    CheckCase{Mode::EightUp, -1, 0, 0}, CheckCase{Mode::FourUp, 39, 40, 10},
                    CheckCase{Mode::FourUp, 32764, 32764, 8191},
                    CheckCase{Mode::EightUp, 32753, 32760, 4095},
                    CheckCase{Mode::EightUp, 32760, 32760, 4095},
                    CheckCase{Mode::EightUp, -32768, -32768, -4096},
                    CheckCase{Mode::FourUp, -32767, -32764, -8191}));

class CheckOverflow : public testing::TestWithParam<CheckCase> {};

TEST_P(CheckOverflow, whenTheRoundedCountLeaves16Bits) {
    EXPECT_THROW(checkPageCount(GetParam().in, GetParam().mode), UserError);
}

INSTANTIATE_TEST_SUITE_P(Counts, CheckOverflow,
                         testing::Values(CheckCase{Mode::FourUp, 32766, 0, 0},
                                         CheckCase{Mode::FourUp, 32767, 0, 0},
                                         CheckCase{Mode::EightUp, 32761, 0, 0}));

} // namespace
