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
    EXPECT_EQ(renderListing(sheetSides(Mode::FourUp, c.n, c.s, c.n), c.separator), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, FourUpListing,
    ::testing::Values(ListingCase{"eightPages", 8, 0, ",",
                                  "*** STAMPA MULTI PAGINA ***\n\n"
                                  "Sequenza 'Fronte' pagina\n8,1,6,3,\n\n"
                                  "Sequenza 'Retro' pagina\n2,7,4,5,\n\n"
                                  "*** STAMPA SINGOLA PAGINA ***\n\n"
                                  "Foglio N.1) (fronte) 8,1\n"
                                  "            (retro ) 2,7\n"
                                  "Foglio N.3) (fronte) 6,3\n"
                                  "            (retro ) 4,5\n"},
                      ListingCase{"noSheets", 0, 0, ",",
                                  "*** STAMPA MULTI PAGINA ***\n\nSequenza 'Fronte' pagina\n\n\n"
                                  "Sequenza 'Retro' pagina\n\n\n*** STAMPA SINGOLA PAGINA ***\n\n"},
                      ListingCase{"emptySeparatorAndNegativePages", 4, -2, "",
                                  "*** STAMPA MULTI PAGINA ***\n\nSequenza 'Fronte' pagina\n2-1\n\n"
                                  "Sequenza 'Retro' pagina\n01\n\n*** STAMPA SINGOLA PAGINA ***\n\n"
                                  "Foglio N.1) (fronte) 2-1\n            (retro ) 01\n"},
                      ListingCase{
                          "longSeparatorWrittenWhole", 4, 0, ", \u00e8",
                          "*** STAMPA MULTI PAGINA ***\n\nSequenza 'Fronte' pagina\n"
                          "4, \u00e81, \u00e8\n\nSequenza 'Retro' pagina\n2, \u00e83, \u00e8\n"
                          "\n*** STAMPA SINGOLA PAGINA ***\n\n"
                          "Foglio N.1) (fronte) 4, \u00e81\n            (retro ) 2, \u00e83\n"}),
    plicora::testing::caseName<ListingCase>);

TEST(FourUpListing, labelGrowsFromPositionEleven) {
    const std::string text = renderListing(sheetSides(Mode::FourUp, 24, 0, 24), ",");
    EXPECT_NE(text.find("Foglio N.9) (fronte) 16,9\n            (retro ) 10,15\n"),
              std::string::npos);
    EXPECT_NE(text.find("Foglio N.11) (fronte) 14,11\n             (retro ) 12,13\n"),
              std::string::npos);
}

class EightUpListing : public ::testing::TestWithParam<ListingCase> {};

TEST_P(EightUpListing, isRenderedByteForByte) {
    const ListingCase& c = GetParam();
    EXPECT_EQ(renderListing(sheetSides(Mode::EightUp, c.n, c.s, c.n), c.separator), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, EightUpListing,
    ::testing::Values(ListingCase{"sixteenPages", 16, 0, ",",
                                  "Foglio N. 1) F: 15, 16, 1, 2\n"
                                  "             R: 3, 4, 13, 14\n"
                                  "Foglio N. 2) F: 11, 12, 5, 6\n"
                                  "             R: 7, 8, 9, 10\n"},
                      ListingCase{"semicolon", 8, 0, ";",
                                  "Foglio N. 1) F: 7; 8; 1; 2\n             R: 3; 4; 5; 6\n"},
                      ListingCase{"emptySeparator", 8, 0, "",
                                  "Foglio N. 1) F: 7 8 1 2\n             R: 3 4 5 6\n"},
                      ListingCase{"negativePages", 8, -4, ",",
                                  "Foglio N. 1) F: 3, 4,-3,-2\n             R:-1, 0, 1, 2\n"},
                      ListingCase{"noSheets", -8, 0, ",", ""}),
    plicora::testing::caseName<ListingCase>);

TEST(EightUpListing, labelGrowsFromSheetTen) {
    const std::string text = renderListing(sheetSides(Mode::EightUp, 80, 0, 80), ",");
    EXPECT_NE(text.find("\nFoglio N. 10) F: 43, 44, 37, 38\n              R: 39, 40, 41, 42\n"),
              std::string::npos);
}

// Signature by signature, each listed as a booklet of its own under its heading.
struct SignatureListingCase {
    const char* name;
    Mode mode;
    Page n;
    Page s;
    int perSignature;
    const char* expected;
};

class SignatureListing : public ::testing::TestWithParam<SignatureListingCase> {};

TEST_P(SignatureListing, isRenderedByteForByte) {
    const SignatureListingCase& c = GetParam();
    EXPECT_EQ(renderListing(sheetSides(c.mode, c.n, c.s, c.n, c.perSignature), ","), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, SignatureListing,
    ::testing::Values(SignatureListingCase{"fourUpTwoAndOne", Mode::FourUp, 12, 2, 2,
                                           "Fascicolo 1 (pagine 3\u201310)\n\n"
                                           "*** STAMPA MULTI PAGINA ***\n\n"
                                           "Sequenza 'Fronte' pagina\n10,3,8,5,\n\n"
                                           "Sequenza 'Retro' pagina\n4,9,6,7,\n\n"
                                           "*** STAMPA SINGOLA PAGINA ***\n\n"
                                           "Foglio N.1) (fronte) 10,3\n"
                                           "            (retro ) 4,9\n"
                                           "Foglio N.3) (fronte) 8,5\n"
                                           "            (retro ) 6,7\n"
                                           "\nFascicolo 2 (pagine 11\u201314)\n\n"
                                           "*** STAMPA MULTI PAGINA ***\n\n"
                                           "Sequenza 'Fronte' pagina\n14,11,\n\n"
                                           "Sequenza 'Retro' pagina\n12,13,\n\n"
                                           "*** STAMPA SINGOLA PAGINA ***\n\n"
                                           "Foglio N.1) (fronte) 14,11\n"
                                           "            (retro ) 12,13\n"},
                      SignatureListingCase{
                          "eightUpOneEach", Mode::EightUp, 16, 0, 1,
                          "Fascicolo 1 (pagine 1\u20138)\n\n"
                          "Foglio N. 1) F: 7, 8, 1, 2\n             R: 3, 4, 5, 6\n"
                          "\nFascicolo 2 (pagine 9\u201316)\n\n"
                          "Foglio N. 1) F: 15, 16, 9, 10\n             R: 11, 12, 13, 14\n"},
                      SignatureListingCase{"oneSignatureHasNoHeading", Mode::EightUp, 16, 0, 2,
                                           "Foglio N. 1) F: 15, 16, 1, 2\n"
                                           "             R: 3, 4, 13, 14\n"
                                           "Foglio N. 2) F: 11, 12, 5, 6\n"
                                           "             R: 7, 8, 9, 10\n"}),
    plicora::testing::caseName<SignatureListingCase>);

} // namespace
