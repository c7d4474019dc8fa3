#include "interim_file_writer.h"

#include "core/calculation_error.h"
#include "file_writer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

namespace plicora {
namespace {

// Closes `file` and reports whether everything written to it reached the system.
bool closeCleanly(std::FILE* file) {
    const bool written = std::fflush(file) == 0 && std::ferror(file) == 0;
    return std::fclose(file) == 0 && written;
}

// Calls `write` on `file`, closing it (and running `cleanUp`) if `write` throws.
void writeOrCleanUp(std::FILE* file, const std::function<void(std::FILE*)>& write,
                    const std::function<void()>& cleanUp) {
    try {
        write(file);
    } catch (...) {
        std::fclose(file);
        cleanUp();
        throw;
    }
}

// A device or a FIFO is written in place: renaming over it would replace the node itself.
void writeInPlace(const std::string& path, const std::function<void(std::FILE*)>& write) {
    // Non-blocking first, so that a FIFO nobody reads is refused instead of hanging.
    const int fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        throw CalculationError(cannotOpenMessage);
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    std::FILE* file = ::fdopen(fd, "wb");
    if (!file) {
        ::close(fd);
        throw CalculationError(cannotOpenMessage);
    }
    writeOrCleanUp(file, write, [] {});
    if (!closeCleanly(file))
        throw CalculationError(writeFailedMessage);
}

} // namespace

void writeFile(std::string_view utf8Path, const std::function<void(std::FILE*)>& write) {
    if (utf8Path.empty() || utf8Path.find('\0') != std::string_view::npos)
        throw CalculationError(cannotOpenMessage);
    std::filesystem::path target(std::u8string(utf8Path.begin(), utf8Path.end()));
    std::error_code error;
    if (std::filesystem::is_symlink(target, error))
        target = std::filesystem::weakly_canonical(target, error);
    struct stat status {};
    const bool exists = ::stat(target.c_str(), &status) == 0;
    if (exists && !S_ISREG(status.st_mode))
        return writeInPlace(target.string(), write);

    std::string temporary =
        (target.parent_path() / ("." + target.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        throw CalculationError(cannotOpenMessage);
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, exists ? status.st_mode & 07777 : 0666 & ~mask);
    std::FILE* file = ::fdopen(fd, "wb");
    if (!file) {
        ::close(fd);
        ::unlink(temporary.c_str());
        throw CalculationError(cannotOpenMessage);
    }
    writeOrCleanUp(file, write, [&] { ::unlink(temporary.c_str()); });
    if (!closeCleanly(file) || ::rename(temporary.c_str(), target.c_str()) != 0) {
        ::unlink(temporary.c_str());
        throw CalculationError(writeFailedMessage);
    }
}

} // namespace plicora
