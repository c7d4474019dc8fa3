#include "test_support.h"

#include "output/calculation.h"

#include <gtest/gtest.h>

using namespace plicora;

namespace {

// The messages as the user reads them.
constexpr const char* overflowText = "Numero fuori dai limiti consentiti (da -32768 a 32767)";
constexpr const char* tooManyPagesText =
    "Il numero di pagine supera il massimo di 2000 (500 fogli) per la stampa a 4 pagine per foglio";

// How far a press got, as the window sees it.
struct StageCase {
    const char* name;
    Mode mode;
    const char* pageCount;
    const char* firstPage;
    bool numbersRead;
    bool checked;
    bool listed;
    const char* error;
};

class Calculate : public ::testing::TestWithParam<StageCase> {};

TEST_P(Calculate, stopsWhereTheCalculationStops) {
    const StageCase& c = GetParam();
    const CalculationOutcome outcome =
        calculate({.mode = c.mode, .pageCountText = c.pageCount, .firstPageText = c.firstPage});
    EXPECT_EQ(outcome.numbersRead, c.numbersRead);
    EXPECT_EQ(outcome.check.has_value(), c.checked);
    EXPECT_EQ(outcome.listing.has_value(), c.listed);
    EXPECT_EQ(outcome.error, c.error);
}

INSTANTIATE_TEST_SUITE_P(
    Stages, Calculate,
    ::testing::Values(
        StageCase{"fourUp", Mode::FourUp, "41", "1", true, true, true, ""},
        StageCase{"eightUp", Mode::EightUp, "41", "1", true, true, true, ""},
        StageCase{"countOverflows", Mode::FourUp, "32768", "1", false, false, false, overflowText},
        StageCase{"firstPageOverflows", Mode::EightUp, "40", "-32768", false, false, false,
                  overflowText},
        StageCase{"roundingOverflows", Mode::EightUp, "32761", "1", true, false, false,
                  overflowText},
        StageCase{"tooManySheets", Mode::FourUp, "2001", "1", true, true, false, tooManyPagesText},
        StageCase{"pageOverflows", Mode::FourUp, "40", "32767", true, true, false, overflowText},
        StageCase{"shiftedQuadOverflows", Mode::EightUp, "40", "32767", true, true, false,
                  overflowText}),
    plicora::testing::caseName<StageCase>);

TEST(Calculate, givesTheRoundedCountAndTheListingOfTheRoundedCount) {
    const CalculationOutcome outcome = calculate(
        {.mode = Mode::FourUp, .pageCountText = "41", .firstPageText = "1", .separator = ","});
    EXPECT_EQ(outcome.check->pageCountText, "44");
    EXPECT_NE(outcome.listing->find("Foglio N.21) (fronte) 24,21\n"), std::string::npos);
}

} // namespace
