#pragma once

#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

namespace plicora {

// A text built in one buffer sized beforehand: every piece is copied straight in, with no
// bookkeeping per append beyond a check for room; the buffer only grows should the size
// estimated beforehand fall short.
class TextBuffer {
public:
    // An empty text with room for `capacity` characters.
    explicit TextBuffer(std::size_t capacity) : text_(capacity, '\0') {}

    // Appends `piece`.
    void append(std::string_view piece) {
        std::memcpy(room(piece.size()), piece.data(), piece.size());
        size_ += piece.size();
    }

    // Appends `count` copies of `c`.
    void append(std::size_t count, char c) {
        std::memset(room(count), c, count);
        size_ += count;
    }

    // Appends `value` in decimal form: the digits, "-" before a negative number.
    void appendDecimal(int value);

    // Appends `value` in signed-number form: a blank before a number >= 0, "-" before a negative
    // one.
    void appendSigned(int value);

    // How many characters have been appended.
    std::size_t size() const { return size_; }

    // The text appended; the buffer is left empty.
    std::string take();

private:
    // Where `count` more characters can be written, growing the buffer when it lacks them.
    char* room(std::size_t count) {
        if (text_.size() - size_ < count)
            grow(count);
        return text_.data() + size_;
    }
    void grow(std::size_t count);

    std::string text_;
    std::size_t size_ = 0;
};

} // namespace plicora
