#include "printer_paper.h"

#include "side_cells.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace plicora {
namespace {

// A length written in a media name, with "." as its decimal mark.
std::optional<double> readLength(std::string_view text) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value <= 0)
        return std::nullopt;
    return value;
}

// Sizes a millimetre apart are the same paper: inch sizes are rounded in millimetres.
bool sameSize(const Paper& a, const Paper& b) {
    return std::abs(a.width - b.width) <= 100 && std::abs(a.height - b.height) <= 100;
}

Paper portrait(const Paper& paper) {
    return {std::min(paper.width, paper.height), std::max(paper.width, paper.height)};
}

bool isCustomRange(std::string_view media) {
    return media.starts_with("custom_min_") || media.starts_with("custom_max_");
}

// The named paper of `media`'s size, if there is one.
std::optional<NamedPaper> namedMedia(std::string_view media) {
    const auto size = mediaSize(media);
    if (!size || isCustomRange(media))
        return std::nullopt;
    for (const NamedPaper& named : namedPapers)
        if (sameSize(named.paper, *size))
            return named;
    return std::nullopt;
}

} // namespace

std::optional<Paper> mediaSize(std::string_view media) {
    const std::size_t last = media.rfind('_');
    std::string_view size = last == std::string_view::npos ? media : media.substr(last + 1);
    double unit = 0; // hundredths of a millimetre to the unit
    if (size.ends_with("mm"))
        unit = 100;
    else if (size.ends_with("in"))
        unit = 2540;
    else
        return std::nullopt;
    size.remove_suffix(2);
    const std::size_t cross = size.find('x');
    if (cross == std::string_view::npos)
        return std::nullopt;
    const auto width = readLength(size.substr(0, cross)),
               height = readLength(size.substr(cross + 1));
    if (!width || !height || *width * unit > 1e7 || *height * unit > 1e7)
        return std::nullopt;
    return portrait({static_cast<int>(std::lround(*width * unit)),
                     static_cast<int>(std::lround(*height * unit))});
}

bool printerTakesPaper(const Printer& printer, const Paper& paper) {
    const Paper wanted = portrait(paper);
    std::optional<Paper> smallest, largest;
    for (const std::string& media : printer.media) {
        const auto size = mediaSize(media);
        if (!size)
            continue;
        if (media.starts_with("custom_min_"))
            smallest = size;
        else if (media.starts_with("custom_max_"))
            largest = size;
        else if (sameSize(*size, wanted))
            return true;
    }
    const bool inCustomRange = smallest && largest && wanted.width >= smallest->width &&
                               wanted.height >= smallest->height &&
                               wanted.width <= largest->width && wanted.height <= largest->height;
    return printer.media.empty() || inCustomRange;
}

int printerMargin(const Printer& printer, const Paper& paper) {
    if (printer.margins.size() != printer.media.size())
        return 0;
    for (std::size_t i = 0; i < printer.media.size(); ++i)
        if (const auto size = mediaSize(printer.media[i]);
            size && !printer.media[i].starts_with("custom_") && sameSize(*size, portrait(paper)))
            return printer.margins[i];
    return 0;
}

double marginScale(Mode mode, const Paper& paper, int margin) {
    const SideSize side = sideSize(paper);
    const SideRect whole = sideCellRects(mode, side).front();
    const SideRect inside = sideCellRects(mode, side, margin * 72.0 / 2540).front();
    return fitScale(whole.right - whole.left, whole.top - whole.bottom,
                    {inside.right - inside.left, inside.top - inside.bottom});
}

std::optional<Paper> printerDefaultPaper(const Printer& printer) {
    if (const auto named = namedMedia(printer.defaultMedia))
        return named->paper;
    return std::nullopt;
}

std::vector<std::string> printerPaperNames(const Printer& printer) {
    std::vector<std::string> names;
    for (const std::string& media : printer.media) {
        if (isCustomRange(media))
            continue;
        const auto named = namedMedia(media);
        const std::string name = named ? std::string(named->name) : media;
        if (std::find(names.begin(), names.end(), name) == names.end())
            names.push_back(name);
    }
    return names;
}

Paper localePaper(int width, int height) {
    // Locales give the paper in whole millimetres: Letter is 216 x 279.
    for (const NamedPaper& named : namedPapers)
        if (sameSize(portrait(named.paper), portrait({width * 100, height * 100})))
            return named.paper;
    return Paper{};
}

} // namespace plicora
