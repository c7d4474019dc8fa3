#include "reading_spreads.h"

#include <utility>

namespace plicora {

int spreadCount(int pageCount) {
    return pageCount > 0 ? pageCount / 2 + 1 : 0;
}

Spread spreadAt(int index, int pageCount, bool rightToLeft) {
    // Opened from the left, the earlier page of a spread is on the left; the cover, page 1, is
    // alone on the right, as a closed booklet shows it.
    int earlier = 2 * index, later = 2 * index + 1;
    if (earlier < 1)
        earlier = 0;
    if (later > pageCount)
        later = 0;
    Spread spread{earlier, later};
    if (rightToLeft)
        std::swap(spread.left, spread.right);
    return spread;
}

} // namespace plicora
