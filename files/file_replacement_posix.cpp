#include "file_replacement.h"

#include "file_error.h"
#include "file_messages.h"
#include "held_files.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <memory>
#include <new>
#include <random>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace plicora {
namespace {

namespace fs = std::filesystem;

// Writes all of `data` to `fd`; the errno value of the failure, 0 when all was written.
int writeAll(int fd, std::string_view data) {
    while (!data.empty()) {
        const ssize_t written = ::write(fd, data.data(), data.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return written < 0 ? errno : EIO;
        data.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

// A stdio stream onto a descriptor, or into memory when the descriptor is -1, that remembers why
// a write failed: stdio itself keeps only that one did, and errno may have changed since. To
// stdio every write succeeds, and after a failure the rest is dropped: a writer such as qpdf's
// that throws on a failed write may throw again while unwinding, which ends the program.
class OutputStream {
public:
    explicit OutputStream(int fd) : fd_(fd) {
        file_ = fopencookie(this, "wb", {nullptr, &OutputStream::writeSome, nullptr, nullptr});
        if (!file_)
            throw std::bad_alloc();
    }
    ~OutputStream() { std::fclose(file_); }
    OutputStream(const OutputStream&) = delete;
    OutputStream& operator=(const OutputStream&) = delete;

    std::FILE* get() const { return file_; }

    // Writes out what stdio holds; the errno value of the first failed write, 0 when none failed.
    int flush() {
        std::fflush(file_);
        return error_;
    }

    // What was written, when the stream is in memory.
    const std::string& content() const { return memory_; }

private:
    static ssize_t writeSome(void* cookie, const char* data, std::size_t size) {
        auto& self = *static_cast<OutputStream*>(cookie);
        if (self.error_ != 0)
            return static_cast<ssize_t>(size);
        if (self.fd_ >= 0)
            self.error_ = writeAll(self.fd_, {data, size});
        else
            try {
                self.memory_.append(data, size);
            } catch (const std::bad_alloc&) {
                self.error_ = ENOMEM; // an exception must not cross stdio's C code
            }
        return static_cast<ssize_t>(size);
    }

    int fd_;
    std::string memory_;
    int error_ = 0;
    std::FILE* file_;
};

[[noreturn]] void fail(const char* message, std::string_view path, int error) {
    throw FileError(message, std::string(path), error);
}

// Runs `write` on `stream` and flushes it; a failed write throws FileError(message, path), even
// when `write` threw because of it.
void writeThrough(OutputStream& stream, const ContentWriter& write, const char* message,
                  std::string_view path) {
    try {
        write(stream.get());
    } catch (...) {
        if (const int error = stream.flush())
            fail(message, path, error);
        throw;
    }
    if (const int error = stream.flush())
        fail(message, path, error);
}

// A descriptor, closed whatever happens.
class Descriptor {
public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(Descriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    Descriptor& operator=(Descriptor&& other) noexcept {
        std::swap(fd_, other.fd_);
        return *this;
    }

    int get() const { return fd_; }

private:
    int fd_;
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

// The permissions of a new file: what open() gives under the process's umask.
mode_t newFileMode() {
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

// Makes something under a new hidden name beside `target`, ".NAME.plicora-XXXXXX", recognisable
// as this program's should a killed run leave it: `make` returns false with errno set when it
// fails. The name, or an empty one with errno set.
template <typename Make> std::string onHiddenName(const fs::path& target, Make make) {
    static constexpr char letters[] =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    static std::minstd_rand random(std::random_device{}());
    // The name is cut so that the hidden one stays within the usual 255 bytes. Appended piece by
    // piece: GCC 12 takes "." + a temporary for overlapping copies (-Wrestrict).
    std::string stem = ".";
    stem.append(target.filename().string(), 0, 200);
    stem += ".plicora-";
    const fs::path folder = target.parent_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = stem;
        for (int i = 0; i < 6; ++i)
            name += letters[random() % (sizeof letters - 1)];
        const std::string path = (folder / name).string();
        if (make(path))
            return path;
        if (errno != EEXIST)
            return {};
    }
    return {};
}

// A file in the target's folder that is not yet part of it: the new content goes there first.
// Where the file system has no unnamed files it has a hidden name, removed unless renamed.
class Temporary {
public:
    Temporary(const fs::path& target, mode_t mode) : target_(target) {
        const fs::path folder = target.parent_path().empty() ? "." : target.parent_path();
        fd_ = Descriptor(open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600));
        if (fd_.get() < 0 && (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL)) {
            int fd = -1;
            name_ = onHiddenName(target, [&](const std::string& name) {
                fd = open(name.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0600);
                return fd >= 0;
            });
            fd_ = Descriptor(fd);
            held_ = std::make_unique<HeldFile>(name_);
        }
        if (fd_.get() >= 0)
            fchmod(fd_.get(), mode);
    }
    ~Temporary() {
        if (!name_.empty())
            unlink(name_.c_str());
        held_.reset();
    }
    Temporary(const Temporary&) = delete;
    Temporary& operator=(const Temporary&) = delete;

    // The descriptor, or -1 with errno set when no file could be made.
    int fd() const { return fd_.get(); }

    // Puts the file in the target's place, in one step for anyone who reads it; false with errno
    // set when that fails.
    bool replace() {
        if (name_.empty()) {
            // An unnamed file is given a hidden name of its own for rename() to move.
            const std::string self = "/proc/self/fd/" + std::to_string(fd_.get());
            name_ = onHiddenName(target_, [&](const std::string& name) {
                return linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) ==
                       0;
            });
            if (name_.empty())
                return false;
            held_ = std::make_unique<HeldFile>(name_);
        }
        if (std::rename(name_.c_str(), target_.c_str()) != 0)
            return false;
        name_.clear();
        held_.reset();
        return true;
    }

private:
    fs::path target_;
    Descriptor fd_;
    std::string name_;
    std::unique_ptr<HeldFile> held_; // name_, for a signal to remove
};

// One file on its way to its place. Everything that may fail before the file is touched is
// done when it is made; commit() then puts it in place.
class PendingFile {
public:
    explicit PendingFile(const FileToReplace& file) : path_(file.path), write_(file.write) {
        const fs::path path(std::string{file.path}); // the bytes as they are, never re-encoded
        // Opening without truncating asks whether the file may be written, changes nothing, and
        // never waits for a FIFO's reader.
        existing_ = Descriptor(open(path.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
        if (existing_.get() < 0 && errno != ENOENT)
            fail(cannotOpenMessage, path_, errno);
        struct stat status {};
        if (existing_.get() >= 0 && fstat(existing_.get(), &status) != 0)
            fail(cannotOpenMessage, path_, errno);
        if (existing_.get() >= 0 && !S_ISREG(status.st_mode))
            return; // a device or a FIFO is never replaced: it is written when committed
        target_ = followLinks(path);
        temporary_ = std::make_unique<Temporary>(
            target_, existing_.get() >= 0 ? status.st_mode & 07777 : newFileMode());
        if (temporary_->fd() < 0) {
            const int error = errno;
            temporary_.reset();
            // A writable file in a folder that takes no new files is still written, in place.
            if (existing_.get() < 0 || (error != EACCES && error != EPERM && error != EROFS))
                fail(cannotOpenMessage, path_, error);
            prepareInPlace(status.st_size);
            return;
        }
        hadEarlier_ = existing_.get() >= 0;
        if (hadEarlier_) {
            // Root hands the new file to the old one's owner; anyone else can't, and owns it.
            std::ignore = fchown(temporary_->fd(), status.st_uid, status.st_gid);
            existing_ = Descriptor();
        }
        OutputStream stream(temporary_->fd());
        writeThrough(stream, write_, writeFailedMessage, path_);
        if (fsync(temporary_->fd()) != 0)
            fail(writeFailedMessage, path_, errno);
    }

    // Whether commit() can be undone: the file is replaced rather than written in place.
    bool replaced() const { return temporary_ != nullptr; }

    // Puts the file in place; when `keepEarlier`, the earlier file stays linked beside it until
    // finish() or undo().
    void commit(bool keepEarlier) {
        if (replaced())
            return commitReplacement(keepEarlier);
        if (!inPlace_) {
            // A reader is there: from now on writing may wait for it.
            fcntl(existing_.get(), F_SETFL, fcntl(existing_.get(), F_GETFL) & ~O_NONBLOCK);
            OutputStream stream(existing_.get());
            return writeThrough(stream, write_, writeFailedMessage, path_);
        }
        const int error = writeAll(existing_.get(), inPlace_->content());
        if (error != 0)
            fail(writeFailedMessage, path_, error);
        if (ftruncate(existing_.get(), static_cast<off_t>(inPlace_->content().size())) != 0 ||
            fsync(existing_.get()) != 0)
            fail(writeFailedMessage, path_, errno);
    }

    // Puts the earlier file back after commit(true), or, when there was none, takes the new one
    // away.
    void undo() {
        if (earlier_.empty())
            unlink(target_.c_str());
        else
            restoreEarlier();
    }

    // Lets go of the earlier file kept by commit(true).
    void finish() {
        if (!earlier_.empty())
            unlink(std::exchange(earlier_, {}).c_str());
    }

private:
    // Makes the whole content in memory and reserves its space on the disk, so that writing it
    // over the file can't run out of room half-way.
    void prepareInPlace(off_t earlierSize) {
        inPlace_ = std::make_unique<OutputStream>(-1);
        writeThrough(*inPlace_, write_, writeFailedMessage, path_);
        const auto size = static_cast<off_t>(inPlace_->content().size());
        if (size == 0)
            return;
        if (const int error = posix_fallocate(existing_.get(), 0, size)) {
            // A reservation that failed part-way may have grown the file: it goes back as it was.
            std::ignore = ftruncate(existing_.get(), earlierSize);
            fail(writeFailedMessage, path_, error);
        }
    }

    void commitReplacement(bool keepEarlier) {
        if (keepEarlier && hadEarlier_) {
            // A second link keeps the earlier file whole while the new one takes its name; a file
            // system without links has it renamed aside instead.
            earlier_ = onHiddenName(target_, [&](const std::string& name) {
                return link(target_.c_str(), name.c_str()) == 0 ||
                       (errno != EEXIST && std::rename(target_.c_str(), name.c_str()) == 0);
            });
            if (earlier_.empty())
                fail(writeFailedMessage, path_, errno);
        }
        if (!temporary_->replace()) {
            const int error = errno;
            if (!earlier_.empty())
                restoreEarlier();
            fail(writeFailedMessage, path_, error);
        }
    }

    // Gives the earlier file its name back; the hidden one goes, even where both names were
    // links to it and rename() left them be.
    void restoreEarlier() {
        const std::string earlier = std::exchange(earlier_, {});
        std::rename(earlier.c_str(), target_.c_str());
        unlink(earlier.c_str());
    }

    std::string_view path_;
    const ContentWriter& write_;
    Descriptor existing_;
    fs::path target_;
    std::unique_ptr<Temporary> temporary_;
    std::unique_ptr<OutputStream> inPlace_;
    bool hadEarlier_ = false;
    std::string earlier_;
};

} // namespace

void replaceFiles(std::span<const FileToReplace> files, const Report& report) {
    std::vector<std::unique_ptr<PendingFile>> pending;
    for (const FileToReplace& file : files)
        pending.push_back(std::make_unique<PendingFile>(file));
    if (report)
        report();
    // What can be undone goes first: a file written in place can't be put back.
    std::stable_partition(pending.begin(), pending.end(),
                          [](const auto& file) { return file->replaced(); });
    const bool together = pending.size() > 1;
    std::size_t committed = 0;
    try {
        for (; committed < pending.size(); ++committed)
            pending[committed]->commit(together);
    } catch (...) {
        while (committed > 0)
            if (pending[--committed]->replaced())
                pending[committed]->undo();
        throw;
    }
    for (const auto& file : pending)
        file->finish();
}

void writeDescriptor(int fd, const ContentWriter& write) {
    OutputStream stream(fd);
    writeThrough(stream, write, outputWriteFailedMessage, standardOutputName);
}

} // namespace plicora
