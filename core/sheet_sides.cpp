#include "sheet_sides.h"

#include "core_messages.h"
#include "page_count.h"
#include "user_error.h"

#include <algorithm>

namespace plicora {
namespace {

// Where the booklet's pages come from: position p of n, counted from 1, holds the document's page
// p, a blank after the document's end or, with the back cover kept last, the document's last
// page at position n and the blanks just before it.
struct PageSource {
    int documentPages;
    int pageCount;
    bool coverMoves;

    // The document's page at `position`, or 0 for a blank.
    int pageAt(int position) const {
        if (coverMoves && position == pageCount)
            return documentPages;
        if (position > documentPages || (coverMoves && position == documentPages))
            return 0;
        return position;
    }
};

// A side of the positions `positions` of a signature starting after `before` positions, in cell
// order, mirrored for a booklet opening from the right.
class SideBuilder {
public:
    SideBuilder(int offset, int before, const PageSource& source, bool rightToLeft)
        : offset_(offset), before_(before), source_(source), rightToLeft_(rightToLeft) {}

    template <typename... Positions> SheetSide operator()(Positions... positions) const {
        const int count = sizeof...(positions), half = count / 2;
        SheetSide side;
        side.cells = count;
        int cell = 0;
        for (const int position : {positions...}) {
            // Mirrored, the columns swap: cell i goes where cell i + half (four-up: the other
            // cell; eight-up: the same row of the other column) was.
            const int at = rightToLeft_ ? (cell + half) % count : cell;
            const int page = source_.pageAt(before_ + position);
            if (page == 0)
                side.blanks |= 1u << at;
            side.pages[at] = static_cast<Page>((page == 0 ? before_ + position : page) + offset_);
            ++cell;
        }
        return side;
    }

private:
    int offset_;
    int before_;
    PageSource source_;
    bool rightToLeft_;
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

bool blanksBeforeBackCover(const Binding& binding, int documentPages, int pageCount) {
    return binding.backCoverLast && documentPages >= 2 && documentPages < pageCount;
}

int documentPageAt(int position, int documentPages, int pageCount, const Binding& binding) {
    return PageSource{documentPages, pageCount,
                      blanksBeforeBackCover(binding, documentPages, pageCount)}
        .pageAt(position);
}

SheetSides sheetSides(Mode mode, Page pageCount, Page firstPageOffset, int documentPages,
                      int sheetsPerSignature, const Binding& binding) {
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
        const SideBuilder side(
            firstPageOffset, before,
            {documentPages, pageCount, blanksBeforeBackCover(binding, documentPages, pageCount)},
            binding.rightToLeft);
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
