#include "side_layout.h"

#include <array>

namespace plicora {
namespace {

constexpr double midX = sideWidth / 2;
constexpr double midY = sideHeight / 2;

} // namespace

std::span<const QPDFObjectHandle::Rectangle> sideCells(Mode mode) {
    using Rectangle = QPDFObjectHandle::Rectangle;
    static const std::array<Rectangle, 2> fourUp{Rectangle(0, 0, midX, sideHeight),
                                                 Rectangle(midX, 0, sideWidth, sideHeight)};
    static const std::array<Rectangle, 4> eightUp{
        Rectangle(0, midY, midX, sideHeight), Rectangle(0, 0, midX, midY),
        Rectangle(midX, midY, sideWidth, sideHeight), Rectangle(midX, 0, sideWidth, midY)};
    if (mode == Mode::FourUp)
        return fourUp;
    return eightUp;
}

} // namespace plicora
