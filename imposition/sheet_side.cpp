#include "sheet_side.h"

#include "core/eight_up.h"
#include "core/four_up.h"

namespace plicora {
namespace {

SheetSide pair(const PageTable& table, int position) {
    return {{table[position], table[position + 1]}, 2};
}

SheetSide quad(const SheetQuad& q) {
    return {{q.p1, q.p2, q.p3, q.p4}, 4};
}

} // namespace

BookletSides bookletSides(Mode mode, Page pageCount) {
    BookletSides sides;
    if (mode == Mode::FourUp) {
        const FourUpSequence sequence = computeFourUp(pageCount, 0);
        for (int k = 1; k < sequence.entries; k += 2) {
            sides.fronts.push_back(pair(sequence.front, k));
            sides.backs.push_back(pair(sequence.back, k));
        }
    } else {
        const EightUpSequence sequence(pageCount, 0);
        for (int j = 1; j <= sequence.sheets(); ++j) {
            sides.fronts.push_back(quad(sequence.front(j)));
            sides.backs.push_back(quad(sequence.back(j)));
        }
    }
    return sides;
}

} // namespace plicora
