#include "test_support.h"

#include "output/listing.h"

#include <gtest/gtest.h>

using namespace plicora;

namespace {

struct ListingCase {
    const char* name;
    Page n;
    Page s;
    const char* separator;
    const char* expected;
};

class FourUpListing : public ::testing::TestWithParam<ListingCase> {};

TEST_P(FourUpListing, isRenderedByteForByte) {
    const ListingCase& c = GetParam();
    EXPECT_EQ(renderListing(computeFourUp(c.n, c.s), c.separator), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, FourUpListing,
    ::testing::Values(
        ListingCase{"eightPages", 8, 0, ",",
                    "*** STAMPA MULTI PAGINA ***\r\n\r\n"
                    "Sequenza 'Fronte' pagina\r\n8,1,6,3,\r\n\r\n"
                    "Sequenza 'Retro' pagina\r\n2,7,4,5,\r\n\r\n"
                    "*** STAMPA SINGOLA PAGINA ***\r\n\r\n"
                    "Foglio N.1) (fronte) 8,1\r\n"
                    "            (retro ) 2,7\r\n"
                    "Foglio N.3) (fronte) 6,3\r\n"
                    "            (retro ) 4,5\r\n"},
        ListingCase{"noSheets", 0, 0, ",",
                    "*** STAMPA MULTI PAGINA ***\r\n\r\nSequenza 'Fronte' pagina\r\n\r\n\r\n"
                    "Sequenza 'Retro' pagina\r\n\r\n\r\n*** STAMPA SINGOLA PAGINA ***\r\n\r\n"},
        ListingCase{"emptySeparatorAndNegativePages", 4, -2, "",
                    "*** STAMPA MULTI PAGINA ***\r\n\r\nSequenza 'Fronte' pagina\r\n2-1\r\n\r\n"
                    "Sequenza 'Retro' pagina\r\n01\r\n\r\n*** STAMPA SINGOLA PAGINA ***\r\n\r\n"
                    "Foglio N.1) (fronte) 2-1\r\n            (retro ) 01\r\n"},
        ListingCase{"longSeparatorWrittenWhole", 4, 0, ", \u00e8",
                    "*** STAMPA MULTI PAGINA ***\r\n\r\nSequenza 'Fronte' pagina\r\n"
                    "4, \u00e81, \u00e8\r\n\r\nSequenza 'Retro' pagina\r\n2, \u00e83, \u00e8\r\n"
                    "\r\n*** STAMPA SINGOLA PAGINA ***\r\n\r\n"
                    "Foglio N.1) (fronte) 4, \u00e81\r\n            (retro ) 2, \u00e83\r\n"}),
    plicora::testing::caseName<ListingCase>);

TEST(FourUpListing, labelGrowsFromPositionEleven) {
    const std::string text = renderListing(computeFourUp(24, 0), ",");
    EXPECT_NE(text.find("Foglio N.9) (fronte) 16,9\r\n            (retro ) 10,15\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("Foglio N.11) (fronte) 14,11\r\n             (retro ) 12,13\r\n"),
              std::string::npos);
}

class EightUpListing : public ::testing::TestWithParam<ListingCase> {};

TEST_P(EightUpListing, isRenderedByteForByte) {
    const ListingCase& c = GetParam();
    EXPECT_EQ(renderListing(EightUpSequence(c.n, c.s), c.separator), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, EightUpListing,
    ::testing::Values(ListingCase{"sixteenPages", 16, 0, ",",
                                  "Foglio N. 1) F: 15, 16, 1, 2\r\n"
                                  "             R: 3, 4, 13, 14\r\n"
                                  "Foglio N. 2) F: 11, 12, 5, 6\r\n"
                                  "             R: 7, 8, 9, 10\r\n"},
                      ListingCase{"semicolon", 8, 0, ";",
                                  "Foglio N. 1) F: 7; 8; 1; 2\r\n             R: 3; 4; 5; 6\r\n"},
                      ListingCase{"emptySeparator", 8, 0, "",
                                  "Foglio N. 1) F: 7 8 1 2\r\n             R: 3 4 5 6\r\n"},
                      ListingCase{"negativePages", 8, -4, ",",
                                  "Foglio N. 1) F: 3, 4,-3,-2\r\n             R:-1, 0, 1, 2\r\n"},
                      ListingCase{"noSheets", -8, 0, ",", ""}),
    plicora::testing::caseName<ListingCase>);

TEST(EightUpListing, labelGrowsFromSheetTen) {
    const std::string text = renderListing(EightUpSequence(80, 0), ",");
    EXPECT_NE(
        text.find("\r\nFoglio N. 10) F: 43, 44, 37, 38\r\n              R: 39, 40, 41, 42\r\n"),
        std::string::npos);
}

} // namespace
