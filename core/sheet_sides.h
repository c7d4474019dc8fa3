#pragma once

#include "page.h"

#include <array>
#include <vector>

namespace plicora {

// Most four-up sheets a calculation takes, the capacity its page order was always meant for.
inline constexpr int fourUpMaxSheets = 500;

// Most sheets a signature is asked to hold: a whole four-up job.
inline constexpr int signatureMaxSheets = fourUpMaxSheets;

enum class Face { Front, Back };

// The pages on one side of a sheet, in the order its cells are filled and listed: left and right
// in four-up mode; the eight-up quad in eight-up mode. A booklet opening from the right has each
// side mirrored here, so that whatever renders it puts the pages where they belong.
struct SheetSide {
    std::array<Page, 4> pages{};
    int cells = 0;
    // Bit i set: cell i holds a blank page added to fill the last sheet.
    unsigned blanks = 0;

    // Whether cell `cell` holds a blank page.
    bool isBlank(int cell) const { return (blanks >> cell) & 1u; }
    friend bool operator==(const SheetSide&, const SheetSide&) = default;
};

// One sheet of the stack, numbered from 1 in printing order.
struct Sheet {
    int number = 0;
    SheetSide front;
    SheetSide back;
    int signature = 0; // index of its signature in SheetSides::signatures
    int place = 0;     // 0 for the outermost sheet of its signature, counting inwards

    // The side `face` of the sheet.
    const SheetSide& side(Face face) const { return face == Face::Front ? front : back; }
};

// Consecutive sheets folded together as a booklet of their own pages, then gathered with the
// others in order.
struct Signature {
    int firstSheet = 0; // index in SheetSides::sheets
    int sheets = 0;
    Page firstPage = 0; // its first and last pages, offset included
    Page lastPage = 0;
};

// Which way a booklet opens, and where the blank pages that fill its last sheet go.
struct Binding {
    bool rightToLeft = false;   // opens from the right: each side mirrored, left and right swapped
    bool backCoverLast = false; // the document's last page stays last, the blanks just before it
    friend bool operator==(const Binding&, const Binding&) = default;
};

// Whether the blanks that round `documentPages` up to `pageCount` go just before the last page,
// as `binding` asks: a document of one page has no back cover of its own to keep last.
bool blanksBeforeBackCover(const Binding& binding, int documentPages, int pageCount);

// The document's page at `position` (counted from 1) of a booklet of `pageCount` pages made of
// `documentPages`, the blanks placed as `binding` asks; 0 for a blank.
int documentPageAt(int position, int documentPages, int pageCount, const Binding& binding);

// Every sheet of a booklet in printing order, signature after signature: what the listings, the
// instructions file and the booklet PDF all render.
struct SheetSides {
    Mode mode = Mode::FourUp;
    std::vector<Sheet> sheets;
    std::vector<Signature> signatures;
};

// The sheets for `pageCount` pages, already rounded to whole sheets of `mode`, each page shifted
// by `firstPageOffset`; document pages after `documentPages` are the blanks that fill the last
// sheet, or with `binding.backCoverLast` (and at least two document pages) the pages just before
// the last one, which then holds the document's last page. With `sheetsPerSignature` above 0 the
// sheets are cut into signatures of that many, the last possibly smaller, each ordered as a
// booklet of its own pages; otherwise they make one. With `binding.rightToLeft` every side is
// mirrored. No sheets for a count of zero or less. Throws UserError for more than fourUpMaxSheets
// four-up sheets, or when a shifted page leaves 16 bits.
SheetSides sheetSides(Mode mode, Page pageCount, Page firstPageOffset, int documentPages,
                      int sheetsPerSignature = 0, const Binding& binding = {});

} // namespace plicora
