#include "file_writer.h"

#include "core/user_error.h"
#include "file_replacement.h"

namespace plicora {

void writeFile(std::string_view utf8Path, const std::function<void(std::FILE*)>& write) {
    // A NUL would silently cut the path short: such a path is refused, not shortened.
    if (utf8Path.empty() || utf8Path.find('\0') != std::string_view::npos)
        throw UserError(cannotOpenMessage);
    // Built from UTF-8 so that accented and non-Latin paths reach the file system intact.
    replaceFile(std::filesystem::path(std::u8string(utf8Path.begin(), utf8Path.end())), write);
}

void writeFile(std::string_view utf8Path, std::string_view content) {
    writeFile(utf8Path,
              [content](std::FILE* file) { std::fwrite(content.data(), 1, content.size(), file); });
}

} // namespace plicora
