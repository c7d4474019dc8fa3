#include "test_support.h"

#include "output/instructions_file.h"

#include <gtest/gtest.h>

using namespace plicora;

namespace {

const std::string fourUpHeader = "Per stampare IL FORMATO A5, devi impostare:\r\n"
                                 "      a)  Foglio orizzontale\r\n"
                                 "      b)  Pagine per foglio: 2\r\n"
                                 "      c)  Adattare al formato A4\r\n"
                                 " \r\n"
                                 "Sequenza 'fronte' pagina\r\n\r\n";

struct FileCase {
    const char* name;
    Page n;
    const char* separator;
    std::string expected;
};

class FourUpFile : public ::testing::TestWithParam<FileCase> {};

TEST_P(FourUpFile, isRenderedByteForByte) {
    const FileCase& c = GetParam();
    EXPECT_EQ(renderInstructions(sheetSides(Mode::FourUp, c.n, 0, c.n), c.separator), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, FourUpFile,
    ::testing::Values(
        FileCase{"eightPages", 8, ",",
                 fourUpHeader + "8,1,6,3, \r\n \r\nSequenza 'Retro' pagina\r\n\r\n2,7,4,5, \r\n"},
        FileCase{"noSheets", 0, ",",
                 fourUpHeader + " \r\n \r\nSequenza 'Retro' pagina\r\n\r\n \r\n"},
        FileCase{"tenToALine", 24, ",",
                 fourUpHeader + "24,1,22,3,20,5,18,7,16,9,\r\n\r\n14,11, \r\n \r\n"
                                "Sequenza 'Retro' pagina\r\n\r\n"
                                "2,23,4,21,6,19,8,17,10,15,\r\n\r\n12,13, \r\n"},
        FileCase{"exactlyTwentyEntries", 40, "",
                 fourUpHeader + "401383365347329\r\n\r\n30112813261524172219\r\n\r\n \r\n \r\n"
                                "Sequenza 'Retro' pagina\r\n\r\n"
                                "2394376358331031\r\n\r\n12291427162518232021\r\n\r\n \r\n"},
        // Outside ASCII the separator is written in windows-1252; unknown characters as "?".
        FileCase{"windows1252Separator", 4, "\u00e8\u20ac\u4e2d",
                 fourUpHeader + "4\xe8\x80?1\xe8\x80? \r\n \r\nSequenza 'Retro' pagina\r\n\r\n"
                                "2\xe8\x80?3\xe8\x80? \r\n"},
        // An overlong form would otherwise smuggle a NUL byte into the file.
        FileCase{"overlongUtf8Separator", 4, "\xe0\x80\x80",
                 fourUpHeader + "4?1? \r\n \r\nSequenza 'Retro' pagina\r\n\r\n2?3? \r\n"}),
    plicora::testing::caseName<FileCase>);

TEST(EightUpFile, isRenderedByteForByte) {
    EXPECT_EQ(renderInstructions(sheetSides(Mode::EightUp, 16, 0, 16), ","),
              "Per stampare IL FORMATO A5, devi impostare:\r\n"
              "      a)  Foglio orizzontale\r\n"
              "      b)  Pagine per foglio: 4\r\n"
              "      c)  Stampa sequenza in verticale\r\n"
              "      d)  Adattare al formato A4\r\n"
              " \r\n"
              "Sequenza 'fronte' pagina\r\n\r\n"
              " 1)  15, 16, 1, 2\r\n"
              " 2)  11, 12, 5, 6\r\n"
              " \r\n \r\n"
              "Sequenza 'Retro' pagina\r\n\r\n"
              " 1)  3, 4, 13, 14\r\n"
              " 2)  7, 8, 9, 10\r\n"
              " \r\n");
}

} // namespace
