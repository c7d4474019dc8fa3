#include "side_layout.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace plicora {

std::string pdfNumber(double value) {
    // What a crafted page's box could make infinite draws nothing rather than break the stream.
    if (!std::isfinite(value))
        return "0";
    char text[400]; // room for the largest double in fixed notation
    const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 5);
    return std::string(text, end.ptr);
}

std::vector<QPDFObjectHandle::Rectangle> sideCells(Mode mode, SideSize size, double margin) {
    using Rectangle = QPDFObjectHandle::Rectangle;
    const CellSize cell = cellSize(mode, size);
    const double width = size.width, height = size.height;
    std::vector<Rectangle> cells =
        mode == Mode::FourUp
            ? std::vector<Rectangle>{Rectangle(0, 0, cell.width, height),
                                     Rectangle(cell.width, 0, width, height)}
            : std::vector<Rectangle>{Rectangle(0, cell.height, cell.width, height),
                                     Rectangle(0, 0, cell.width, cell.height),
                                     Rectangle(cell.width, cell.height, width, height),
                                     Rectangle(cell.width, 0, width, cell.height)};
    for (Rectangle& each : cells)
        each = Rectangle(std::max(each.llx, margin), std::max(each.lly, margin),
                         std::min(each.urx, width - margin), std::min(each.ury, height - margin));
    return cells;
}

} // namespace plicora
