#include "side_layout.h"

#include "core/side_cells.h"

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
    std::vector<QPDFObjectHandle::Rectangle> cells;
    for (const SideRect& cell : sideCellRects(mode, size, margin))
        cells.emplace_back(cell.left, cell.bottom, cell.right, cell.top);
    return cells;
}

} // namespace plicora
