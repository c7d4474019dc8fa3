#include "side_cells.h"

#include <algorithm>

namespace plicora {

std::vector<SideRect> sideCellRects(Mode mode, SideSize size, double margin) {
    const CellSize cell = cellSize(mode, size);
    const double width = size.width, height = size.height;
    std::vector<SideRect> cells =
        mode == Mode::FourUp
            ? std::vector<SideRect>{{0, 0, cell.width, height}, {cell.width, 0, width, height}}
            : std::vector<SideRect>{{0, cell.height, cell.width, height},
                                    {0, 0, cell.width, cell.height},
                                    {cell.width, cell.height, width, height},
                                    {cell.width, 0, width, cell.height}};
    for (SideRect& each : cells)
        each = {std::max(each.left, margin), std::max(each.bottom, margin),
                std::min(each.right, width - margin), std::min(each.top, height - margin)};
    return cells;
}

double creepPoints(int creep, int place, int sheets) {
    constexpr double pointsPerHundredth = 72.0 / 2540.0;
    return sheets > 1 ? creep * pointsPerHundredth * place / (sheets - 1) : 0;
}

} // namespace plicora
