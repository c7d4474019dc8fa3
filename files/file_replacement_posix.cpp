#include "file_replacement.h"

#include "core/user_error.h"
#include "file_messages.h"

#include <cerrno>
#include <random>
#include <string>
#include <tuple>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace plicora {
namespace {

namespace fs = std::filesystem;

[[noreturn]] void fail(const char* message) {
    throw UserError(message);
}

// A stream on a file descriptor, closed whatever happens.
class Stream {
public:
    explicit Stream(int fd) : file_(fdopen(fd, "wb")) {
        if (!file_) {
            ::close(fd);
            fail(cannotOpenMessage);
        }
    }
    ~Stream() {
        if (file_)
            std::fclose(file_);
    }
    Stream(const Stream&) = delete;
    Stream& operator=(const Stream&) = delete;

    std::FILE* get() const { return file_; }
    int fd() const { return fileno(file_); }

    // Writes out what is buffered, to the disk itself when `durable`; false when anything
    // written so far, the flush included, failed.
    bool flush(bool durable) {
        return std::fflush(file_) == 0 && !std::ferror(file_) && (!durable || fsync(fd()) == 0);
    }

    // Closes the stream; false when that fails.
    bool close() { return std::fclose(std::exchange(file_, nullptr)) == 0; }

private:
    std::FILE* file_;
};

// The file a path finally names: its symbolic links are followed, so that they stay links.
fs::path followLinks(fs::path path) {
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code error;
        if (!fs::is_symlink(path, error))
            break;
        const fs::path target = fs::read_symlink(path, error);
        if (error)
            break;
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    return path; // a loop of links is reported when the file is opened
}

// Writes `write`'s output through a descriptor open on a device, a FIFO or, where no new file can
// be made beside it, the file itself.
void writeInPlace(int fd, const std::function<void(std::FILE*)>& write, bool truncate) {
    // A reader is there: from now on writing may wait for it.
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    Stream stream(fd);
    if (truncate && ftruncate(fd, 0) != 0)
        fail(writeFailedMessage);
    write(stream.get());
    if (!stream.flush(false) || !stream.close())
        fail(writeFailedMessage);
}

// The permissions of a new file: what open() gives under the process's umask.
mode_t newFileMode() {
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

// A file in `folder` that is not yet part of it: the new content goes there first. Where the file
// system has no unnamed files, a hidden name is made for it, removed unless it is renamed.
class Temporary {
public:
    Temporary(const fs::path& folder, mode_t mode) : folder_(folder) {
        fd_ = open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
        if (fd_ < 0 && (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL)) {
            name_ = (folder / ".plicora-XXXXXX").string();
            fd_ = mkstemp(name_.data());
            if (fd_ < 0)
                name_.clear();
        }
        if (fd_ >= 0)
            fchmod(fd_, mode);
    }
    ~Temporary() {
        if (fd_ >= 0)
            ::close(fd_);
        if (!name_.empty())
            unlink(name_.c_str());
    }
    Temporary(const Temporary&) = delete;
    Temporary& operator=(const Temporary&) = delete;

    // The descriptor, or -1 with errno set when no file could be made.
    int fd() const { return fd_; }

    // Hands the descriptor over to the caller, who closes it.
    int release() { return std::exchange(fd_, -1); }

    // Puts the file in the place of `target`, in one step for anyone who reads it; false when
    // that fails.
    bool replace(const fs::path& target, int fd) {
        if (name_.empty() && !link(fd))
            return false;
        if (std::rename(name_.c_str(), target.c_str()) != 0)
            return false;
        name_.clear();
        return true;
    }

private:
    // Gives the unnamed file a hidden name of its own in its folder, for rename() to move.
    bool link(int fd) {
        const std::string self = "/proc/self/fd/" + std::to_string(fd);
        std::minstd_rand random(std::random_device{}());
        for (int attempt = 0; attempt < 100; ++attempt) {
            const std::string name = (folder_ / (".plicora-" + std::to_string(random()))).string();
            if (linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) {
                name_ = name;
                return true;
            }
            if (errno != EEXIST)
                return false;
        }
        return false;
    }

    fs::path folder_;
    int fd_ = -1;
    std::string name_;
};

} // namespace

void replaceFile(const fs::path& path, const std::function<void(std::FILE*)>& write) {
    const fs::path target = followLinks(path);
    // Opening without truncating asks whether the file may be written, changes nothing, and
    // never waits for a FIFO's reader.
    const int existing = open(target.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (existing < 0 && errno != ENOENT)
        fail(cannotOpenMessage);
    struct stat status {};
    if (existing >= 0 && (fstat(existing, &status) != 0 || !S_ISREG(status.st_mode)))
        return writeInPlace(existing, write, false); // a device or a FIFO is never replaced

    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    Temporary temporary(folder, existing >= 0 ? status.st_mode & 07777 : newFileMode());
    if (temporary.fd() < 0) {
        const bool folderLocked = errno == EACCES || errno == EPERM || errno == EROFS;
        // A writable file in a folder that takes no new files is still written, as it always was.
        if (existing >= 0 && folderLocked)
            return writeInPlace(existing, write, true);
        if (existing >= 0)
            ::close(existing);
        fail(cannotOpenMessage);
    }
    if (existing >= 0) {
        // Root hands the new file to the old one's owner; anyone else can't, and owns it.
        std::ignore = fchown(temporary.fd(), status.st_uid, status.st_gid);
        ::close(existing);
    }
    Stream stream(temporary.release());
    write(stream.get());
    if (!stream.flush(true) || !temporary.replace(target, stream.fd()) || !stream.close())
        fail(writeFailedMessage);
}

} // namespace plicora
