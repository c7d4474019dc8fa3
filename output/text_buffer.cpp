#include "text_buffer.h"

#include <algorithm>
#include <charconv>

namespace plicora {
namespace {

constexpr std::size_t longestNumber = 12; // " -2147483648"

} // namespace

void TextBuffer::appendDecimal(int value) {
    char* const start = room(longestNumber);
    size_ +=
        static_cast<std::size_t>(std::to_chars(start, start + longestNumber, value).ptr - start);
}

void TextBuffer::appendSigned(int value) {
    char* const start = room(longestNumber);
    char* digits = start;
    if (value >= 0)
        *digits++ = ' ';
    size_ +=
        static_cast<std::size_t>(std::to_chars(digits, start + longestNumber, value).ptr - start);
}

std::string TextBuffer::take() {
    text_.resize(size_);
    size_ = 0;
    return std::move(text_);
}

void TextBuffer::grow(std::size_t count) {
    text_.resize(std::max(2 * text_.size(), size_ + count));
}

} // namespace plicora
