#include "sheet_sides.h"

#include "core_messages.h"
#include "page_count.h"
#include "user_error.h"

#include <algorithm>

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

// The sides of sheet s of a four-up booklet of n pages: the outermost sheet holds the first and
// last pages. Its number and place in the job are the caller's.
Sheet fourUpSheet(int n, int s, const SideBuilder& side) {
    return {.front = side(n - 2 * s + 2, 2 * s - 1), .back = side(2 * s, n - 2 * s + 1)};
}

// The sides of sheet j of an eight-up stack of n pages, each side's quad in listing order.
Sheet eightUpSheet(int n, int j, const SideBuilder& side) {
    return {.front = side(n - 4 * j + 3, n - 4 * j + 4, 4 * j - 3, 4 * j - 2),
            .back = side(4 * j - 1, 4 * j, n - 4 * j + 1, n - 4 * j + 2)};
}

} // namespace

SheetSides sheetSides(Mode mode, Page pageCount, Page firstPageOffset, int documentPages,
                      int sheetsPerSignature) {
    const int sheets = sheetCount(pageCount, mode);
    if (mode == Mode::FourUp && sheets > fourUpMaxSheets)
        throw UserError(tooManyPagesMessage());
    SheetSides result{mode, {}, {}};
    if (sheets <= 0)
        return result;
    // Every page 1..N appears once, so checking both ends covers every side.
    checkedPage(1 + firstPageOffset);
    checkedPage(pageCount + firstPageOffset);
    const int perSignature = sheetsPerSignature > 0 ? std::min(sheetsPerSignature, sheets) : sheets;
    result.sheets.reserve(static_cast<std::size_t>(sheets));
    for (int first = 0; first < sheets; first += perSignature) {
        // A signature is a booklet of its own pages: its sheets are built as a booklet of n
        // pages whose numbers start after the pages of the signatures before it.
        const int count = std::min(perSignature, sheets - first);
        const int before = first * pagesPerSheet(mode), n = count * pagesPerSheet(mode);
        const SideBuilder side(firstPageOffset + before, documentPages - before);
        const int signature = static_cast<int>(result.signatures.size());
        result.signatures.push_back({.firstSheet = first,
                                     .sheets = count,
                                     .firstPage = static_cast<Page>(firstPageOffset + before + 1),
                                     .lastPage = static_cast<Page>(firstPageOffset + before + n)});
        for (int s = 1; s <= count; ++s) {
            Sheet sheet = mode == Mode::FourUp ? fourUpSheet(n, s, side) : eightUpSheet(n, s, side);
            sheet.number = first + s;
            sheet.signature = signature;
            sheet.place = s - 1;
            result.sheets.push_back(sheet);
        }
    }
    return result;
}

} // namespace plicora
