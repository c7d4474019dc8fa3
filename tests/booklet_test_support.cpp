#include "booklet_test_support.h"

#include "core/eight_up.h"
#include "core/four_up.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <string>

namespace plicora::testing {

namespace {

double attribute(const std::string& line, const std::string& name) {
    const auto start = line.find(name + "=\"") + name.size() + 2;
    double value = 0;
    std::from_chars(line.data() + start, line.data() + line.size(), value);
    return value;
}

} // namespace

// The numbers on each page of `pdf`, read back by poppler as a viewer would show them.
std::vector<std::vector<Word>> readSides(const std::filesystem::path& pdf) {
    std::vector<std::vector<Word>> sides;
    std::FILE* text = popen(("pdftotext -bbox '" + pdf.string() + "' - 2>&1").c_str(), "r");
    char buffer[512];
    while (text && std::fgets(buffer, sizeof buffer, text)) {
        const std::string line = buffer;
        if (line.find("<page ") != std::string::npos) {
            EXPECT_EQ(attribute(line, "width"), 842);
            EXPECT_EQ(attribute(line, "height"), 595);
            sides.emplace_back();
        } else if (line.find("<word ") != std::string::npos) {
            Word word{(attribute(line, "xMin") + attribute(line, "xMax")) / 2,
                      (attribute(line, "yMin") + attribute(line, "yMax")) / 2, 0};
            const std::string digits = line.substr(line.find('>') + 1);
            std::from_chars(digits.data(), digits.data() + digits.size(), word.number);
            sides.back().push_back(word);
        }
    }
    if (text)
        pclose(text);
    return sides;
}

// Which cell a point falls in, in filling order, and whether it sits centred across the cell
// and in its upper half (where each test page prints its number).
std::pair<int, bool> cellOf(Mode mode, const Word& word) {
    const int column = word.x < 421 ? 0 : 1;
    const double cellWidth = 421, centreX = column * cellWidth + cellWidth / 2;
    const bool centredAcross = std::abs(word.x - centreX) < 0.05 * cellWidth;
    if (mode == Mode::FourUp)
        return {column, centredAcross && word.y < 297.5};
    const int row = word.y < 297.5 ? 0 : 1;
    return {2 * column + row, centredAcross && word.y < row * 297.5 + 148.75};
}

Sides listedSides(Mode mode, Page pageCount) {
    Sides sides;
    if (mode == Mode::FourUp) {
        const FourUpSequence s = computeFourUp(pageCount, 0);
        for (int k = 1; k < s.entries; k += 2) {
            sides.fronts.push_back({s.front[k], s.front[k + 1]});
            sides.backs.push_back({s.back[k], s.back[k + 1]});
        }
    } else {
        const EightUpSequence s(pageCount, 0);
        for (int j = 1; j <= s.sheets(); ++j) {
            const SheetQuad f = s.front(j), b = s.back(j);
            sides.fronts.push_back({f.p1, f.p2, f.p3, f.p4});
            sides.backs.push_back({b.p1, b.p2, b.p3, b.p4});
        }
    }
    return sides;
}

} // namespace plicora::testing
