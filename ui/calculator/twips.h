#pragma once

#include <QRect>
#include <QSize>

namespace plicora {

// Window layouts are given in twips: 15 to a logical pixel (96 dpi). Qt scales logical pixels
// for high-DPI screens.
constexpr int twipsPerPixel = 15;

constexpr int twipsToPixels(int twips) {
    return (twips + twipsPerPixel / 2) / twipsPerPixel;
}

// A rectangle given as left, top, width and height in twips.
constexpr QRect twipRect(int left, int top, int width, int height) {
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

constexpr QSize twipSize(int width, int height) {
    return {twipsToPixels(width), twipsToPixels(height)};
}

} // namespace plicora
