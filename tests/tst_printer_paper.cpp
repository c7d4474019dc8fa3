#include "test_support.h"

#include "core/printer_paper.h"

#include <gtest/gtest.h>

using namespace plicora;
using namespace plicora::testing;

namespace {

struct MediaCase {
    const char* name;
    const char* media;
    std::optional<Paper> size;
};

class MediaSize : public ::testing::TestWithParam<MediaCase> {};

TEST_P(MediaSize, isReadFromTheMediaName) {
    EXPECT_EQ(mediaSize(GetParam().media), GetParam().size);
}

INSTANTIATE_TEST_SUITE_P(
    Names, MediaSize,
    ::testing::Values(MediaCase{"millimetres", "iso_a4_210x297mm", Paper{21000, 29700}},
                      MediaCase{"inches", "na_letter_8.5x11in", Paper{21590, 27940}},
                      MediaCase{"landscapeMadePortrait", "custom_x_297x210mm", Paper{21000, 29700}},
                      MediaCase{"fractionOfMillimetre", "om_small-photo_100x148.5mm",
                                Paper{10000, 14850}},
                      MediaCase{"noUnit", "iso_a4_210x297", std::nullopt},
                      MediaCase{"noSize", "a4", std::nullopt},
                      MediaCase{"zeroSide", "custom_0x297mm", std::nullopt},
                      MediaCase{"negativeSide", "custom_-5x297mm", std::nullopt},
                      MediaCase{"huge", "custom_1e30x297mm", std::nullopt},
                      MediaCase{"empty", "", std::nullopt}),
    caseName<MediaCase>);

const std::vector<std::string> officeMedia{"iso_a4_210x297mm", "na_letter_8.5x11in",
                                           "iso_dl_110x220mm", "iso_a4_210x297mm"};

// Whether each paper goes onto a printer listing these media.
struct TakesCase {
    const char* name;
    std::vector<std::string> media;
    Paper paper;
    bool takes;
};

class PrinterTakesPaper : public ::testing::TestWithParam<TakesCase> {};

TEST_P(PrinterTakesPaper, whenAMediaOfItsSizeIsListed) {
    const TakesCase& c = GetParam();
    EXPECT_EQ(printerTakesPaper({.name = "P", .media = c.media}, c.paper), c.takes);
}

INSTANTIATE_TEST_SUITE_P(
    Papers, PrinterTakesPaper,
    ::testing::Values(TakesCase{"a4Listed", officeMedia, Paper{21000, 29700}, true},
                      TakesCase{"letterListedInInches", officeMedia, Paper{21590, 27940}, true},
                      TakesCase{"a3Missing", officeMedia, Paper{29700, 42000}, false},
                      TakesCase{"customMissing", officeMedia, Paper{32000, 45000}, false},
                      TakesCase{
                          "customInRange",
                          {"iso_a4_210x297mm", "custom_min_100x148mm", "custom_max_330x483mm"},
                          Paper{32000, 45000},
                          true},
                      TakesCase{"customBeyondRange",
                                {"custom_min_100x148mm", "custom_max_330x483mm"},
                                Paper{29700, 50000},
                                false},
                      // A printer that lists nothing is not refused on a guess.
                      TakesCase{"nothingListed", {}, Paper{29700, 42000}, true}),
    caseName<TakesCase>);

TEST(PrinterPaper, defaultIsANamedPaperOnly) {
    const std::pair<const char*, std::optional<Paper>> rows[] = {
        {"na_letter_8.5x11in", Paper{21590, 27940}},
        {"iso_a4_210x297mm", Paper{21000, 29700}},
        {"iso_dl_110x220mm", std::nullopt},
        {"", std::nullopt}};
    for (const auto& [media, paper] : rows)
        EXPECT_EQ(printerDefaultPaper({.name = "P", .defaultMedia = media}), paper) << media;
}

TEST(PrinterPaper, namesListEachPaperOnceAsTheCommandLineNamesIt) {
    std::vector<std::string> media = officeMedia;
    media.insert(media.end(), {"custom_min_100x148mm", "custom_max_330x483mm"});
    EXPECT_EQ(printerPaperNames({.name = "P", .media = media}),
              (std::vector<std::string>{"A4", "letter", "iso_dl_110x220mm"}));
}

TEST(LocalePaper, isTheNamedPaperOfItsSizeElseA4) {
    const std::tuple<int, int, Paper> rows[] = {{210, 297, Paper{21000, 29700}},
                                                {216, 279, Paper{21590, 27940}},
                                                {216, 356, Paper{21590, 35560}},
                                                {297, 210, Paper{21000, 29700}},
                                                {0, 0, Paper{}},
                                                {100, 100, Paper{}}};
    for (const auto& [width, height, paper] : rows)
        EXPECT_EQ(localePaper(width, height), paper) << width << "x" << height;
}

} // namespace

// The margin of the printer's media of the paper's size, and what it takes off the pages.
TEST(PrinterMargin, isThatOfTheMediaOfThePapersSize) {
    const Printer printer{.name = "P",
                          .media = {"custom_min_50x50mm", "iso_a4_210x297mm", "na_letter_8.5x11in"},
                          .margins = {900, 423, 635}};
    EXPECT_EQ(printerMargin(printer, *readPaper("A4")), 423);
    EXPECT_EQ(printerMargin(printer, *readPaper("letter")), 635);
    EXPECT_EQ(printerMargin(printer, *readPaper("A3")), 0);
    EXPECT_EQ(printerMargin(Printer{.name = "P", .media = printer.media}, *readPaper("A4")), 0);
}

struct MarginScaleCase {
    Mode mode;
    const char* paper;
    int margin;
    double scale;
};

class MarginScale : public ::testing::TestWithParam<MarginScaleCase> {};

TEST_P(MarginScale, keepsTheMarginClearAlongEachEdge) {
    const MarginScaleCase& c = GetParam();
    EXPECT_NEAR(marginScale(c.mode, *readPaper(c.paper), c.margin), c.scale, 0.002);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MarginScale,
    ::testing::Values(MarginScaleCase{Mode::FourUp, "A4", 0, 1.0},
                      // A5 cells 148.5 x 210 mm: 6 mm off the outer edge, 12 mm off the height.
                      MarginScaleCase{Mode::FourUp, "A4", 600, (210.0 - 12) / 210},
                      MarginScaleCase{Mode::FourUp, "A4", 423, (210.0 - 8.46) / 210},
                      // Eight-up cells are 148.5 x 105 mm: 6 mm off each.
                      MarginScaleCase{Mode::EightUp, "A4", 600, (105.0 - 6) / 105}));
