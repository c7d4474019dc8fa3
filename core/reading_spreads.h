#pragma once

namespace plicora {

// Two facing pages of a booklet as it is read, by their positions in it counted from 1; 0 where
// there is no page: the cover stands alone, and so does the back cover.
struct Spread {
    int left = 0;
    int right = 0;
    friend bool operator==(const Spread&, const Spread&) = default;
};

// How many spreads a booklet of `pageCount` pages, a whole number of sheets, is read in; none for
// no pages.
int spreadCount(int pageCount);

// Spread `index` (from 0) of a booklet of `pageCount` pages: the cover, then the pages two by
// two, then the back cover. A booklet opening from the right has the earlier page on the right.
Spread spreadAt(int index, int pageCount, bool rightToLeft);

} // namespace plicora
