#include "pdf_words.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <optional>

namespace plicora::testing {
namespace {

double attribute(const std::string& line, const std::string& name) {
    const auto start = line.find(name + "=\"") + name.size() + 2;
    double value = 0;
    std::from_chars(line.data() + start, line.data() + line.size(), value);
    return value;
}

// The words on each page, each page's size checked against `size` when there is one.
std::vector<std::vector<Word>> readWords(const std::filesystem::path& pdf,
                                         std::optional<SideSize> size) {
    std::vector<std::vector<Word>> sides;
    std::FILE* text = popen(("pdftotext -bbox '" + pdf.string() + "' - 2>&1").c_str(), "r");
    char buffer[512];
    while (text && std::fgets(buffer, sizeof buffer, text)) {
        const std::string line = buffer;
        if (line.find("<page ") != std::string::npos) {
            if (size) {
                EXPECT_EQ(attribute(line, "width"), size->width);
                EXPECT_EQ(attribute(line, "height"), size->height);
            }
            sides.emplace_back();
        } else if (line.find("<word ") != std::string::npos) {
            const double xMin = attribute(line, "xMin"), xMax = attribute(line, "xMax");
            const auto start = line.find('>') + 1;
            Word word{(xMin + xMax) / 2, (attribute(line, "yMin") + attribute(line, "yMax")) / 2, 0,
                      xMax - xMin, line.substr(start, line.find('<', start) - start)};
            std::from_chars(word.text.data(), word.text.data() + word.text.size(), word.number);
            sides.back().push_back(word);
        }
    }
    if (text)
        pclose(text);
    return sides;
}

} // namespace

std::vector<std::vector<Word>> readSides(const std::filesystem::path& pdf, SideSize size) {
    return readWords(pdf, size);
}

std::vector<std::vector<Word>> readPages(const std::filesystem::path& pdf) {
    return readWords(pdf, std::nullopt);
}

std::pair<int, bool> cellOf(Mode mode, const Word& word, SideSize size) {
    const double cellWidth = size.width / 2.0, midY = size.height / 2.0;
    const int column = word.x < cellWidth ? 0 : 1;
    const double centreX = column * cellWidth + cellWidth / 2;
    const bool centredAcross = std::abs(word.x - centreX) < 0.05 * cellWidth;
    if (mode == Mode::FourUp)
        return {column, centredAcross && word.y < midY};
    const int row = word.y < midY ? 0 : 1;
    return {2 * column + row, centredAcross && word.y < row * midY + midY / 2};
}

} // namespace plicora::testing
