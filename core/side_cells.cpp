#include "side_cells.h"

namespace plicora {

std::vector<SideRect> sideCellRects(Mode mode, SideSize size) {
    const CellSize cell = cellSize(mode, size);
    const double width = size.width, height = size.height;
    if (mode == Mode::FourUp)
        return {{0, 0, cell.width, height}, {cell.width, 0, width, height}};
    return {{0, cell.height, cell.width, height},
            {0, 0, cell.width, cell.height},
            {cell.width, cell.height, width, height},
            {cell.width, 0, width, cell.height}};
}

double creepPoints(int creep, int place, int sheets) {
    constexpr double pointsPerHundredth = 72.0 / 2540.0;
    return sheets > 1 ? creep * pointsPerHundredth * place / (sheets - 1) : 0;
}

} // namespace plicora
