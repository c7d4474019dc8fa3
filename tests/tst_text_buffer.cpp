#include "test_support.h"

#include "output/text_buffer.h"

#include <gtest/gtest.h>

#include <climits>

using namespace plicora;

namespace {

struct Numbers {
    std::string name;
    std::size_t capacity;
    int value;
    const char* decimal;
    const char* signedForm;
};

class TextBufferNumbers : public ::testing::TestWithParam<Numbers> {};

// However short the room reserved, the text comes out whole.
TEST_P(TextBufferNumbers, areWrittenWholeWhateverTheRoom) {
    const Numbers& p = GetParam();
    TextBuffer out(p.capacity);
    out.append("a");
    out.appendDecimal(p.value);
    out.append(2, '|');
    out.appendSigned(p.value);
    out.append("z");
    EXPECT_EQ(out.size(), 4 + std::string(p.decimal).size() + std::string(p.signedForm).size());
    EXPECT_EQ(out.take(), std::string("a") + p.decimal + "||" + p.signedForm + "z");
}

INSTANTIATE_TEST_SUITE_P(
    Values, TextBufferNumbers,
    ::testing::Values(Numbers{"zeroInNoRoom", 0, 0, "0", " 0"},
                      Numbers{"positiveInTooLittleRoom", 3, 32767, "32767", " 32767"},
                      Numbers{"negativeInRoomToSpare", 100, -32768, "-32768", "-32768"},
                      Numbers{"smallestInt", 1, INT_MIN, "-2147483648", "-2147483648"},
                      Numbers{"largestInt", 1, INT_MAX, "2147483647", " 2147483647"}),
    plicora::testing::caseName<Numbers>);

} // namespace
