#pragma once

#include "core/page.h"

#include <filesystem>
#include <utility>
#include <vector>

namespace plicora::testing {

// A number pdftotext found on a booklet page, by the centre of its box (y from the top).
struct Word {
    double x, y;
    int number;
};

// The numbers on each page of `pdf`, read back by poppler as a viewer would show them; each
// page is expected to be an A4 landscape side.
std::vector<std::vector<Word>> readSides(const std::filesystem::path& pdf);

// Which cell a point falls in, in filling order, and whether it sits centred across the cell
// and in its upper half (where each numbered page prints its number).
std::pair<int, bool> cellOf(Mode mode, const Word& word);

// The cells of each front and each back as the listing gives them.
struct Sides {
    std::vector<std::vector<int>> fronts, backs;
};

Sides listedSides(Mode mode, Page pageCount);

} // namespace plicora::testing
