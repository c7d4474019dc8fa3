#pragma once

#include "core/page.h"
#include "core/paper.h"

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace plicora::testing {

// A word pdftotext found on a page: the centre and width of its box (y from the top), its
// text, and the number it reads as (0 when it isn't one).
struct Word {
    double x, y;
    int number;
    double width = 0;
    std::string text = {};
};

// The words on each page of `pdf`, read back by poppler as a viewer would show them; every
// page is expected to be a sheet side of `size` (A4 in landscape unless told).
std::vector<std::vector<Word>> readSides(const std::filesystem::path& pdf, SideSize size = {});

// The words on each page of `pdf`, whatever the pages' size and orientation (a printer's
// filters may turn the sides to fit portrait paper).
std::vector<std::vector<Word>> readPages(const std::filesystem::path& pdf);

// Which cell of a sheet side of `size` a word falls in, in filling order, and whether it sits
// centred across the cell and in its upper half (where each numbered page prints its number).
std::pair<int, bool> cellOf(Mode mode, const Word& word, SideSize size = {});

} // namespace plicora::testing
