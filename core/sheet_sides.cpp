#include "sheet_sides.h"

#include "core_messages.h"
#include "page_count.h"
#include "user_error.h"

namespace plicora {
namespace {

// A side of the document pages `pages` (before the offset), in cell order.
class SideBuilder {
public:
    SideBuilder(int offset, int documentPages) : offset_(offset), documentPages_(documentPages) {}

    template <typename... Pages> SheetSide operator()(Pages... pages) const {
        SheetSide side;
        for (const int page : {pages...}) {
            if (page > documentPages_)
                side.blanks |= 1u << side.cells;
            side.pages[side.cells++] = static_cast<Page>(page + offset_);
        }
        return side;
    }

private:
    int offset_;
    int documentPages_;
};

// Sheet s of a four-up booklet of n pages: the outermost sheet holds the first and last pages.
Sheet fourUpSheet(int n, int s, const SideBuilder& side) {
    return {s, side(n - 2 * s + 2, 2 * s - 1), side(2 * s, n - 2 * s + 1)};
}

// Sheet j of an eight-up stack of n pages, each side's quad in listing order.
Sheet eightUpSheet(int n, int j, const SideBuilder& side) {
    return {j, side(n - 4 * j + 3, n - 4 * j + 4, 4 * j - 3, 4 * j - 2),
            side(4 * j - 1, 4 * j, n - 4 * j + 1, n - 4 * j + 2)};
}

} // namespace

SheetSides sheetSides(Mode mode, Page pageCount, Page firstPageOffset, int documentPages) {
    const int sheets = sheetCount(pageCount, mode);
    if (mode == Mode::FourUp && sheets > fourUpMaxSheets)
        throw UserError(tooManyPagesMessage());
    SheetSides result{mode, {}};
    if (sheets <= 0)
        return result;
    // Every page 1..N appears once, so checking both ends covers every side.
    checkedPage(1 + firstPageOffset);
    checkedPage(pageCount + firstPageOffset);
    const SideBuilder side(firstPageOffset, documentPages);
    result.sheets.reserve(static_cast<std::size_t>(sheets));
    for (int s = 1; s <= sheets; ++s)
        result.sheets.push_back(mode == Mode::FourUp ? fourUpSheet(pageCount, s, side)
                                                     : eightUpSheet(pageCount, s, side));
    return result;
}

} // namespace plicora
