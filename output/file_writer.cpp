#include "file_writer.h"

#include "core/calculation_error.h"

#include <filesystem>
#include <fstream>

namespace plicora {

void writeFile(std::string_view utf8Path, std::string_view content) {
    // Built from UTF-8 so that accented and non-Latin paths reach the file system intact
    // on every platform.
    const std::filesystem::path path(std::u8string(utf8Path.begin(), utf8Path.end()));
    std::ofstream file;
    // A NUL would silently cut the path short: such a path is refused, not shortened.
    if (!path.empty() && utf8Path.find('\0') == std::string_view::npos)
        file.open(path, std::ios::binary | std::ios::trunc);
    if (!file.is_open())
        throw CalculationError(cannotOpenMessage);
    file.write(content.data(), static_cast<std::streamsize>(content.size()));
    file.close(); // flushes, so a full disk shows up here
    if (file.fail())
        throw CalculationError(writeFailedMessage);
}

} // namespace plicora
