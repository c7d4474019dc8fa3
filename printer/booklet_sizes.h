#pragma once

#include "core/paper.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A print dialog's paper reaches the booklet printer as the size of the pages it sends, so the
// booklet printer's papers are the booklet's page sizes, each folded from a sheet twice its size.
namespace plicora::printer {

struct BookletSize {
    std::string_view page;  // the booklet's page, as printers name media (PWG)
    std::string_view sheet; // the sheet it is folded from, a named paper's name
};

inline constexpr BookletSize bookletSizes[] = {
    {"iso_a5_148x210mm", "A4"},
    {"iso_a6_105x148mm", "A5"},
    {"iso_a4_210x297mm", "A3"},
    {"na_invoice_5.5x8.5in", "letter"}, // half-letter
};

// The sheet a booklet of `page` (a PWG media name) pages is printed on; nothing for a page size
// that is no booklet's.
std::optional<NamedPaper> sheetFor(std::string_view page);

// The page sizes to offer for a real printer with `media` (PWG names): those whose sheet it has,
// in bookletSizes' order; all of them when it names none of the sheets (or nothing at all), so
// that its own check has the last word.
std::vector<std::string_view> offeredPages(const std::vector<std::string>& media);

// The page size offered by default: the one whose sheet is `defaultMedia`, the real printer's
// own default, when it is offered; else the first one offered.
std::string_view defaultPage(const std::vector<std::string_view>& offered,
                             std::string_view defaultMedia);

} // namespace plicora::printer
