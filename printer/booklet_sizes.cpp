#include "booklet_sizes.h"

#include <algorithm>

namespace plicora::printer {
namespace {

std::optional<NamedPaper> namedSheet(std::string_view name) {
    const auto found = std::find_if(std::begin(namedPapers), std::end(namedPapers),
                                    [name](const NamedPaper& paper) { return paper.name == name; });
    if (found == std::end(namedPapers))
        return std::nullopt;
    return *found;
}

} // namespace

std::optional<NamedPaper> sheetFor(std::string_view page) {
    for (const BookletSize& size : bookletSizes)
        if (size.page == page)
            return namedSheet(size.sheet);
    return std::nullopt;
}

std::vector<std::string_view> offeredPages(const std::vector<std::string>& media) {
    std::vector<std::string_view> offered;
    for (const BookletSize& size : bookletSizes)
        if (std::find(media.begin(), media.end(), namedSheet(size.sheet)->media) != media.end())
            offered.push_back(size.page);
    if (offered.empty())
        for (const BookletSize& size : bookletSizes)
            offered.push_back(size.page);
    return offered;
}

std::string_view defaultPage(const std::vector<std::string_view>& offered,
                             std::string_view defaultMedia) {
    for (std::string_view page : offered)
        if (sheetFor(page)->media == defaultMedia)
            return page;
    return offered.front();
}

} // namespace plicora::printer
