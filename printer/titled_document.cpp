#include "titled_document.h"

namespace plicora::printer {
namespace {

constexpr std::size_t longestName = 200;

} // namespace

std::string fileNameOf(std::string_view title) {
    std::string name;
    for (const char c : title)
        name += c == '/' || static_cast<unsigned char>(c) < ' ' || c == '\x7f' ? '_' : c;
    if (name.size() > longestName) {
        std::size_t end = longestName;
        // Back to the start of a UTF-8 character.
        while (end > 0 && (static_cast<unsigned char>(name[end]) & 0xc0) == 0x80)
            --end;
        name.resize(end);
    }
    if (name == "." || name == "..")
        return {};
    return name;
}

TitledDocument::TitledDocument(const std::filesystem::path& document, std::string_view title,
                               int job)
    : path_(document) {
    const std::string name = fileNameOf(title);
    if (name.empty())
        return;
    std::error_code error;
    const std::filesystem::path folder = document.parent_path() / ("lavoro-" + std::to_string(job));
    if (!std::filesystem::create_directory(folder, error))
        return;
    folder_ = folder;
    std::filesystem::create_hard_link(document, folder / name, error);
    if (!error)
        path_ = folder / name;
}

TitledDocument::~TitledDocument() {
    std::error_code error;
    if (!folder_.empty())
        std::filesystem::remove_all(folder_, error);
}

} // namespace plicora::printer
