#pragma once

#include <filesystem>
#include <string>
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
// page is expected to be an A4 sheet side in landscape.
std::vector<std::vector<Word>> readSides(const std::filesystem::path& pdf);

} // namespace plicora::testing
