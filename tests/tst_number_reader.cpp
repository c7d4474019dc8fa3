#include "core/number_reader.h"
#include "core/user_error.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <locale>

using namespace plicora;

namespace {

struct ReadCase {
    const char* text;
    double value;
    friend std::ostream& operator<<(std::ostream& os, const ReadCase& c) {
        return os << '"' << c.text << "\" -> " << c.value;
    }
};

class ReadNumber : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadNumber, readsTheLongestNumericPrefix) {
    EXPECT_DOUBLE_EQ(readNumber(GetParam().text), GetParam().value);
}

// The program runs under an Italian locale, where "," is the decimal point of strtod.
TEST_P(ReadNumber, ignoresAnItalianLocale) {
    ASSERT_NE(std::setlocale(LC_ALL, "it_IT.UTF-8"), nullptr) << "it_IT.UTF-8 locale missing";
    std::locale::global(std::locale("it_IT.UTF-8"));
    const double value = readNumber(GetParam().text);
    std::locale::global(std::locale::classic());
    std::setlocale(LC_ALL, "C");
    EXPECT_DOUBLE_EQ(value, GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadNumber,
    testing::Values(ReadCase{"40", 40}, ReadCase{"40 pagine", 40}, ReadCase{"4 0", 40},
                    ReadCase{" \t\n4\t0\n", 40}, ReadCase{"2.5", 2.5}, ReadCase{"39.9", 39.9},
                    ReadCase{"-0.5", -0.5}, ReadCase{"+7", 7}, ReadCase{".5", 0.5},
                    ReadCase{"5.", 5}, ReadCase{"1.2.3", 1.2}, ReadCase{"2,5", 2},
                    ReadCase{"1e1", 10}, ReadCase{"1E+2x", 100}, ReadCase{"25e-1", 2.5},
                    ReadCase{"3e", 3}, ReadCase{"3e-", 3}, ReadCase{"&H28", 40},
                    ReadCase{"&h2aZ", 42}, ReadCase{"&O50", 40}, ReadCase{"&o58", 5},
                    ReadCase{"&H", 0}, ReadCase{"&X1", 0}, ReadCase{"abc", 0}, ReadCase{"", 0},
                    ReadCase{"-", 0}, ReadCase{".", 0}, ReadCase{"\r40", 0}, ReadCase{"1e-400", 0},
                    ReadCase{"0.0000e999", 0}));

TEST(ReadNumber, hugeNumbersBecomeInfinite) {
    EXPECT_EQ(readNumber("1e400"), INFINITY);
    EXPECT_EQ(readNumber("-" + std::string(400, '9')), -INFINITY);
    EXPECT_EQ(readNumber("&H" + std::string(300, 'F')), INFINITY);
}

struct PageCase {
    const char* pageCount;
    const char* firstPage;
    Page n;
    Page s;
    friend std::ostream& operator<<(std::ostream& os, const PageCase& c) {
        return os << '"' << c.pageCount << "\", \"" << c.firstPage << '"';
    }
};

class ReadPageNumbers : public testing::TestWithParam<PageCase> {};

TEST_P(ReadPageNumbers, floorsAfterSubtractingOneFromTheFirstPage) {
    const PageCase& c = GetParam();
    const PageNumbers numbers = readPageNumbers(c.pageCount, c.firstPage);
    EXPECT_EQ(numbers.pageCount, c.n);
    EXPECT_EQ(numbers.firstPageOffset, c.s);
}

INSTANTIATE_TEST_SUITE_P(Fields, ReadPageNumbers,
                         testing::Values(PageCase{"40", "1", 40, 0}, PageCase{"39.9", "2.5", 39, 1},
                                         PageCase{"-0.5", "", -1, -1}, PageCase{"abc", "0", 0, -1},
                                         PageCase{"32767.9", "32768", 32767, 32767},
                                         PageCase{"-32768", "-32767", -32768, -32768}));

class Overflow : public testing::TestWithParam<PageCase> {};

TEST_P(Overflow, isReported) {
    const PageCase& c = GetParam();
    EXPECT_THROW(readPageNumbers(c.pageCount, c.firstPage), UserError);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, Overflow,
    testing::Values(PageCase{"32768", "1", 0, 0}, PageCase{"-32768.5", "1", 0, 0},
                    PageCase{"1e400", "1", 0, 0}, PageCase{"40", "-32768", 0, 0},
                    PageCase{"40", "32769", 0, 0}, PageCase{"40", "&H10000", 0, 0}));

TEST(Overflow, carriesTheItalianMessage) {
    try {
        toPage(NAN);
        FAIL() << "NaN accepted";
    } catch (const UserError& e) {
        EXPECT_STREQ(e.what(), "Numero fuori dai limiti consentiti (da -32768 a 32767)");
    }
}

} // namespace
