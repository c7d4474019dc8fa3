// Preloaded into the program by tst_file_faults: the system's unnamed temporary files are
// refused, as on file systems without them (FUSE, some network mounts), so that the file writer
// falls back to hidden named ones; with PLICORA_TEST_SIGNAL set, the program sends itself that
// signal at its first write to such a file, while it is held half-written.
#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdarg>
#include <cstdlib>
#include <cstring>

namespace {

int hiddenFile = -1;

int openFile(const char* name, const char* path, int flags, va_list rest) {
    const mode_t mode = (flags & O_CREAT) || (flags & O_TMPFILE) == O_TMPFILE
                            ? static_cast<mode_t>(va_arg(rest, int))
                            : 0;
    if ((flags & O_TMPFILE) == O_TMPFILE) {
        errno = EOPNOTSUPP;
        return -1;
    }
    using Open = int (*)(const char*, int, ...);
    const auto real = reinterpret_cast<Open>(dlsym(RTLD_NEXT, name));
    const int fd = real(path, flags, mode);
    if (fd >= 0 && (flags & O_CREAT) && std::strstr(path, ".plicora-"))
        hiddenFile = fd;
    return fd;
}

} // namespace

extern "C" int open(const char* path, int flags, ...) {
    va_list rest;
    va_start(rest, flags);
    const int fd = openFile("open", path, flags, rest);
    va_end(rest);
    return fd;
}

extern "C" int open64(const char* path, int flags, ...) {
    va_list rest;
    va_start(rest, flags);
    const int fd = openFile("open64", path, flags, rest);
    va_end(rest);
    return fd;
}

extern "C" ssize_t write(int fd, const void* data, size_t size) {
    const char* signal = std::getenv("PLICORA_TEST_SIGNAL");
    if (fd == hiddenFile && signal) {
        hiddenFile = -1;
        std::raise(std::atoi(signal));
    }
    using Write = ssize_t (*)(int, const void*, size_t);
    static const auto real = reinterpret_cast<Write>(dlsym(RTLD_NEXT, "write"));
    return real(fd, data, size);
}
