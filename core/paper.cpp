#include "paper.h"

#include "number_text.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace plicora {
namespace {

bool equalIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

// Whether a custom paper's side, in hundredths of a millimetre, is whole millimetres in range.
bool customSideFits(int hundredths) {
    return hundredths % 100 == 0 && hundredths >= paperMinMillimetres * 100 &&
           hundredths <= paperMaxMillimetres * 100;
}

} // namespace

std::optional<NamedPaper> namedPaper(const Paper& paper) {
    for (const NamedPaper& named : namedPapers)
        if (named.paper == paper)
            return named;
    return std::nullopt;
}

SideSize sideSize(const Paper& paper) {
    int width = 0, height = 0;
    if (const auto named = namedPaper(paper)) {
        width = named->widthPoints;
        height = named->heightPoints;
    } else {
        // 72 points to the inch of 2,540 hundredths of a millimetre.
        width = static_cast<int>(std::lround(paper.width * 72.0 / 2540));
        height = static_cast<int>(std::lround(paper.height * 72.0 / 2540));
    }
    return {std::max(width, height), std::min(width, height)};
}

std::optional<NamedPaper> pagePaper(double width, double height) {
    constexpr double tolerance = 2;
    const double narrow = std::min(width, height), wide = std::max(width, height);
    for (const NamedPaper& named : namedPapers)
        if (std::abs(narrow - named.widthPoints) <= tolerance &&
            std::abs(wide - named.heightPoints) <= tolerance)
            return named;
    return std::nullopt;
}

CellSize cellSize(Mode mode, SideSize size) {
    return {size.width / 2.0, mode == Mode::FourUp ? size.height : size.height / 2.0};
}

std::string mediaName(const Paper& paper) {
    if (const auto named = namedPaper(paper))
        return std::string(named->media);
    const int shorter = std::min(paper.width, paper.height) / 100;
    const int longer = std::max(paper.width, paper.height) / 100;
    const std::string size = std::to_string(shorter) + "x" + std::to_string(longer) + "mm";
    return "custom_" + size + "_" + size;
}

std::optional<Paper> readPaper(std::string_view text) {
    for (const NamedPaper& named : namedPapers)
        if (equalIgnoringCase(text, named.name))
            return named.paper;
    const std::size_t cross = text.find_first_of("xX");
    if (cross == std::string_view::npos)
        return std::nullopt;
    const auto width = readDecimal(text.substr(0, cross)),
               height = readDecimal(text.substr(cross + 1));
    // Checked in millimetres first, so that no size overflows in hundredths.
    if (!width || !height || *width > paperMaxMillimetres || *height > paperMaxMillimetres)
        return std::nullopt;
    const Paper paper{*width * 100, *height * 100};
    if (!acceptedPaper(paper))
        return std::nullopt;
    return paper;
}

std::string paperText(const Paper& paper) {
    if (const auto named = namedPaper(paper))
        return std::string(named->name);
    return std::to_string(paper.width / 100) + "x" + std::to_string(paper.height / 100);
}

bool acceptedPaper(const Paper& paper) {
    return namedPaper(paper) || (customSideFits(paper.width) && customSideFits(paper.height));
}

} // namespace plicora
