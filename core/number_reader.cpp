#include "number_reader.h"

#include "core_messages.h"
#include "user_error.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace plicora {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

int digitValue(char c) {
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return 99;
}

double readRadix(std::string_view digits, int radix) {
    double value = 0;
    for (const char c : digits) {
        const int d = digitValue(c);
        if (d >= radix)
            break;
        value = value * radix + d; // grows to infinity, never wraps
    }
    return value;
}

std::size_t skipDigits(std::string_view s, std::size_t i) {
    while (i < s.size() && isDigit(s[i]))
        ++i;
    return i;
}

// Whether a decimal number from_chars found out of range is too large (else too small):
// compares the position of its first significant digit with its exponent.
bool isHuge(std::string_view mantissa, std::string_view exponent) {
    long long magnitude = 0;
    const auto point = mantissa.find('.');
    const auto integer = mantissa.substr(0, point);
    const auto significant = integer.find_first_not_of('0');
    if (significant != std::string_view::npos) {
        magnitude = static_cast<long long>(integer.size() - significant);
    } else if (point != std::string_view::npos) {
        const auto fraction = mantissa.substr(point + 1);
        magnitude = -static_cast<long long>(fraction.find_first_not_of('0'));
    }
    long long exp = 0;
    std::size_t i = (!exponent.empty() && (exponent[0] == '+' || exponent[0] == '-')) ? 1 : 0;
    for (; i < exponent.size() && exp < 100000; ++i)
        exp = exp * 10 + (exponent[i] - '0');
    if (!exponent.empty() && exponent[0] == '-')
        exp = -exp;
    return magnitude + exp > 0;
}

double readDecimal(std::string_view s) {
    std::size_t i = 0;
    const bool negative = i < s.size() && s[i] == '-';
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    const std::size_t start = i;
    i = skipDigits(s, i);
    std::size_t digitCount = i - start;
    if (i < s.size() && s[i] == '.') {
        const std::size_t fractionStart = i + 1;
        i = skipDigits(s, fractionStart);
        digitCount += i - fractionStart;
    }
    if (digitCount == 0)
        return 0;
    const std::size_t mantissaEnd = i;
    // An exponent counts only when at least one digit follows "E" and its sign.
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            ++j;
        if (const std::size_t end = skipDigits(s, j); end > j)
            i = end;
    }
    double value = 0;
    const auto [ptr, ec] = std::from_chars(s.data() + start, s.data() + i, value);
    if (ec == std::errc::result_out_of_range) {
        const auto exponent =
            i > mantissaEnd ? s.substr(mantissaEnd + 1, i - mantissaEnd - 1) : std::string_view{};
        value = isHuge(s.substr(start, mantissaEnd - start), exponent)
                    ? std::numeric_limits<double>::infinity()
                    : 0.0;
    }
    return negative ? -value : value;
}

} // namespace

double readNumber(std::string_view text) {
    std::string s;
    s.reserve(text.size());
    for (const char c : text)
        if (!isBlank(c))
            s += c;
    if (s.size() >= 2 && s[0] == '&') {
        if (s[1] == 'H' || s[1] == 'h')
            return readRadix(std::string_view(s).substr(2), 16);
        if (s[1] == 'O' || s[1] == 'o')
            return readRadix(std::string_view(s).substr(2), 8);
    }
    return readDecimal(s);
}

Page toPage(double value) {
    // Written so that NaN fails too.
    if (!(value >= pageMin && value < pageMax + 1.0))
        throw UserError(overflowMessage());
    return static_cast<Page>(std::floor(value));
}

PageNumbers readPageNumbers(std::string_view pageCountText, std::string_view firstPageText) {
    const Page pageCount = toPage(readNumber(pageCountText));
    // One is subtracted before rounding, so a first page of 2.5 gives an offset of 1.
    const Page firstPageOffset = toPage(readNumber(firstPageText) - 1.0);
    return {pageCount, firstPageOffset};
}

} // namespace plicora
