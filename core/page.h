#pragma once

#include <cstdint>
#include <limits>

namespace plicora {

// Page numbers, page counts, offsets and sheet counts: 16-bit signed, as the
// print dialogs the listings are copied into never need more.
using Page = std::int16_t;

inline constexpr int pageMin = std::numeric_limits<Page>::min();
inline constexpr int pageMax = std::numeric_limits<Page>::max();

// `value` as a page; throws UserError when it leaves 16 bits.
Page checkedPage(int value);

// A four-up (A5 booklet) or an eight-up layout.
enum class Mode { FourUp, EightUp };

// Document pages on one A4 sheet: 4 in four-up mode, 8 in eight-up mode.
constexpr int pagesPerSheet(Mode mode) {
    return mode == Mode::FourUp ? 4 : 8;
}

} // namespace plicora
