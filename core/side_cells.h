#pragma once

#include "page.h"
#include "paper.h"

#include <vector>

namespace plicora {

// A rectangle on a sheet's side, in points from its bottom-left corner, as PDF measures.
struct SideRect {
    double left = 0;
    double bottom = 0;
    double right = 0;
    double top = 0;
    friend bool operator==(const SideRect&, const SideRect&) = default;
};

// The cells of a side of `size` in the order they are filled: left then right in four-up mode;
// top-left, bottom-left, top-right, bottom-right (vertical order) in eight-up mode. `margin`
// points along each edge of the side are left out of them (the folds inside keep none).
std::vector<SideRect> sideCellRects(Mode mode, SideSize size, double margin = 0);

// The points a page of the sheet at `place` (0: outermost) of a signature of `sheets` moves
// towards the fold for a creep of `creep` hundredths of a millimetre: the outermost stays, the
// innermost moves by the whole of it.
double creepPoints(int creep, int place, int sheets);

} // namespace plicora
