#include "file_replacement.h"

#include "core/user_error.h"
#include "file_messages.h"

#include <system_error>

namespace plicora {

// Windows has no FIFOs and no unnamed files: the content goes to a file beside the target, which
// then replaces it (MoveFileEx with MOVEFILE_REPLACE_EXISTING, through std::filesystem).
void replaceFile(const std::filesystem::path& path, const std::function<void(std::FILE*)>& write) {
    std::filesystem::path temporary = path;
    temporary += L".plicora-new";
    std::FILE* file = _wfopen(temporary.c_str(), L"wbx");
    if (!file)
        throw UserError(cannotOpenMessage);
    bool written = false;
    try {
        write(file);
        written = std::fflush(file) == 0 && !std::ferror(file);
    } catch (...) {
        std::fclose(file);
        std::filesystem::remove(temporary);
        throw;
    }
    written = std::fclose(file) == 0 && written;
    std::error_code error;
    if (written)
        std::filesystem::rename(temporary, path, error);
    if (!written || error) {
        std::filesystem::remove(temporary, error);
        throw UserError(writeFailedMessage);
    }
}

} // namespace plicora
