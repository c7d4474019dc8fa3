// Paper folded as the window's instructions say, word for word: the printed sheets, each side's
// cells as the engine lays them out, the stack, the fold, the signatures gathered; then the
// booklet read leaf by leaf must give pages 1..N in order, every one upright.
#include "core/page_count.h"
#include "core/sheet_sides.h"
#include "imposition/side_layout.h"
#include "ui/shared/ui_messages.h"

#include <gtest/gtest.h>

#include <map>
#include <numeric>
#include <string>
#include <vector>

using namespace plicora;

namespace {

// A printed page on a face, as that face is seen: where it stands and whether its top is up.
struct Cell {
    int column = 0; // 0 left, 1 right
    int row = 0;    // 0 top, 1 bottom
    int page = 0;
    bool upright = true;
};

using Face = std::vector<Cell>;

// A flat piece of paper lying on the table: the face up as seen from above, the face down as
// seen once the piece is turned over about its vertical axis (as a book's leaf is turned).
// Seen so, the right half of a face up lies over the left column of the face down.
struct Leaf {
    Face up;
    Face down;
};

// Turns `paper` over about its vertical axis: each face is then seen as the other was, and the
// tops stay up.
Leaf turnedOver(const Leaf& paper) {
    return {paper.down, paper.up};
}

// The cells of `face` in column `column`, moved into a face one column wide.
Face column(const Face& face, int column) {
    Face half;
    for (Cell cell : face)
        if (cell.column == column) {
            cell.column = 0;
            half.push_back(cell);
        }
    return half;
}

// A side of a sheet as the engine prints it: each cell where its rectangle lies on the A4
// landscape side, the page upright.
Face printedSide(const SheetSide& side, Mode mode) {
    const SideSize size;
    const auto cells = sideCells(mode, size);
    Face face;
    for (int i = 0; i < side.cells; ++i) {
        const auto& rect = cells[static_cast<std::size_t>(i)];
        face.push_back({.column = rect.llx < size.width / 2 ? 0 : 1,
                        .row = rect.lly < size.height / 2 ? 1 : 0, // PDF's y grows upwards
                        .page = side.pages[static_cast<std::size_t>(i)]});
    }
    return face;
}

// A sheet printed on both sides, turning on the short edge, lying front up: its back reads
// upright once the sheet is turned over about its vertical axis.
Leaf printedSheet(const Sheet& sheet, Mode mode) {
    return {printedSide(sheet.front, mode), printedSide(sheet.back, mode)};
}

// "con i fronti in su e il foglio 1 sopra, piega la pila a metà portando la metà sinistra sotto
// la destra": the leaves from the top, each half a sheet. The right halves stay as they lie; the
// left halves turn over about the fold and end under them, the last sheet's first.
std::vector<Leaf> foldedStack(const std::vector<Leaf>& stack) {
    std::vector<Leaf> leaves;
    for (const Leaf& sheet : stack)
        leaves.push_back({column(sheet.up, 1), column(sheet.down, 0)});
    for (auto sheet = stack.rbegin(); sheet != stack.rend(); ++sheet)
        leaves.push_back(turnedOver({column(sheet->up, 0), column(sheet->down, 1)}));
    return leaves;
}

// The pages a reader meets: each leaf's face up then, turning it, its face down; on a face "da
// leggere dall'alto in basso". A page upside down reads as its negative number.
std::vector<int> readBooklet(const std::vector<Leaf>& leaves) {
    std::vector<int> pages;
    for (const Leaf& leaf : leaves)
        for (const Face* face : {&leaf.up, &leaf.down}) {
            std::multimap<int, const Cell*> byRow;
            for (const Cell& cell : *face)
                byRow.emplace(cell.row, &cell);
            for (const auto& [row, cell] : byRow)
                pages.push_back(cell->upright ? cell->page : -cell->page);
        }
    return pages;
}

// The booklet made by following the instructions for `sides`: "dividi la pila, nell'ordine di
// stampa, in fascicoli", fold each, and "metti i fascicoli piegati uno dopo l'altro, il primo
// davanti"; without signatures the stack is one.
std::vector<int> foldedBooklet(const SheetSides& sides) {
    std::vector<int> pages;
    for (const Signature& signature : sides.signatures) {
        std::vector<Leaf> stack; // the signature's first sheet on top
        for (int i = 0; i < signature.sheets; ++i)
            stack.push_back(printedSheet(
                sides.sheets[static_cast<std::size_t>(signature.firstSheet + i)], sides.mode));
        const std::vector<int> read = readBooklet(foldedStack(stack));
        pages.insert(pages.end(), read.begin(), read.end());
    }
    return pages;
}

TEST(Folding, followingTheInstructionsGivesEveryPageInOrderAndUpright) {
    for (const Mode mode : {Mode::FourUp, Mode::EightUp})
        for (int documentPages = 1; documentPages <= 400; ++documentPages)
            for (const int perSignature : {0, 1, 2, 3, 5, 8}) {
                const Page pageCount =
                    checkPageCount(static_cast<Page>(documentPages), mode).pageCount;
                const SheetSides sides =
                    sheetSides(mode, pageCount, 0, documentPages, perSignature);
                std::vector<int> expected(static_cast<std::size_t>(pageCount));
                std::iota(expected.begin(), expected.end(), 1);
                ASSERT_EQ(foldedBooklet(sides), expected)
                    << (mode == Mode::FourUp ? "four-up, " : "eight-up, ") << documentPages
                    << " pages, signatures of " << perSignature;
            }
}

// The model folds what the window says, in the window's words.
TEST(Folding, theInstructionsSayWhatTheModelFolds) {
    // The half folded under, as the window puts it into each text.
    const auto folded = [](std::string text, const char* argument) {
        return text.replace(text.find(argument), 2, leftUnderRightText);
    };
    for (const std::string& text : {folded(foldStackText, "%1"), folded(foldSignaturesText, "%2")})
        for (const char* step : {"con i fronti in su e ",
                                 "a met\u00e0 portando la met\u00e0 sinistra sotto la destra"})
            EXPECT_NE(text.find(step), std::string::npos) << step;
    EXPECT_NE(std::string(foldStackText).find("il foglio 1 sopra"), std::string::npos);
    EXPECT_NE(std::string(foldSignaturesText).find("nell'ordine di stampa, in fascicoli"),
              std::string::npos);
    EXPECT_NE(std::string(foldSignaturesText).find("uno dopo l'altro, il primo davanti"),
              std::string::npos);
    EXPECT_NE(std::string(eightUpReadingText).find("dall'alto in basso"), std::string::npos);
}

// A margin keeps every cell off the side's edges, and only there: the folds inside stay where
// they are, so the pages still meet at them.
TEST(SideCells, keepTheMarginAlongTheSidesEdgesOnly) {
    const SideSize size;
    for (const Mode mode : {Mode::FourUp, Mode::EightUp})
        for (const double margin : {0.0, 18.0}) {
            const auto plain = sideCells(mode, size);
            const auto cells = sideCells(mode, size, margin);
            ASSERT_EQ(cells.size(), plain.size());
            for (std::size_t i = 0; i < cells.size(); ++i) {
                const auto &cell = cells[i], &whole = plain[i];
                EXPECT_GE(cell.llx, margin);
                EXPECT_GE(cell.lly, margin);
                EXPECT_LE(cell.urx, size.width - margin);
                EXPECT_LE(cell.ury, size.height - margin);
                // An edge inside the side is a fold: it doesn't move.
                for (const auto& [edge, wholeEdge, outer] :
                     {std::tuple{cell.llx, whole.llx, whole.llx == 0},
                      std::tuple{cell.lly, whole.lly, whole.lly == 0},
                      std::tuple{cell.urx, whole.urx, whole.urx == size.width},
                      std::tuple{cell.ury, whole.ury, whole.ury == size.height}})
                    if (!outer) {
                        EXPECT_EQ(edge, wholeEdge);
                    }
            }
        }
}

} // namespace
