#include "file_replacement.h"

#include "file_error.h"
#include "file_messages.h"

#include <cerrno>
#include <filesystem>
#include <io.h>
#include <string>
#include <system_error>
#include <vector>

namespace plicora {
namespace {

namespace fs = std::filesystem;

// Windows takes paths as UTF-16: the UTF-8 the program holds is converted, never taken as the
// ANSI code page.
fs::path nativePath(std::string_view utf8) {
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

// Runs `write` on `file` and flushes it; false when anything written failed. An exception from
// `write` is passed on.
bool writeThrough(std::FILE* file, const ContentWriter& write) {
    write(file);
    return std::fflush(file) == 0 && !std::ferror(file);
}

// One file written beside its target, as "NAME.plicora-new", until it is renamed into place.
// Windows has no FIFOs and no unnamed files.
struct Written {
    fs::path target;
    fs::path temporary;
    fs::path earlier; // the earlier target, set aside while a pair is put in place
};

void removeAll(const std::vector<Written>& files) {
    std::error_code ignored;
    for (const Written& file : files)
        fs::remove(file.temporary, ignored);
}

Written writeBeside(const FileToReplace& file) {
    Written written{nativePath(file.path), {}, {}};
    written.temporary = written.target;
    written.temporary += L".plicora-new";
    std::FILE* stream = _wfopen(written.temporary.c_str(), L"wbx");
    if (!stream)
        throw FileError(cannotOpenMessage, std::string(file.path), errno);
    bool ok = false;
    try {
        ok = writeThrough(stream, file.write);
    } catch (...) {
        std::fclose(stream);
        removeAll({written});
        throw;
    }
    const int error = errno;
    if (std::fclose(stream) != 0 || !ok) {
        removeAll({written});
        throw FileError(writeFailedMessage, std::string(file.path), error);
    }
    return written;
}

} // namespace

void replaceFiles(std::span<const FileToReplace> files) {
    std::vector<Written> written;
    try {
        for (const FileToReplace& file : files)
            written.push_back(writeBeside(file));
    } catch (...) {
        removeAll(written);
        throw;
    }
    // Each earlier file of a pair is renamed aside until both new ones are in place.
    const bool together = written.size() > 1;
    std::error_code error, ignored;
    std::size_t placed = 0;
    for (; placed < written.size(); ++placed) {
        Written& file = written[placed];
        if (together && fs::exists(file.target)) {
            file.earlier = file.target;
            file.earlier += L".plicora-old";
            fs::rename(file.target, file.earlier, error);
            if (error) {
                file.earlier.clear();
                break;
            }
        }
        fs::rename(file.temporary, file.target, error);
        if (error) {
            if (!file.earlier.empty())
                fs::rename(file.earlier, file.target, ignored);
            break;
        }
    }
    if (error) {
        for (std::size_t i = 0; i < placed; ++i) {
            if (written[i].earlier.empty())
                fs::remove(written[i].target, ignored);
            else
                fs::rename(written[i].earlier, written[i].target, ignored);
        }
        removeAll(written);
        // The system's error code, as the errno value the reasons are written for.
        throw FileError(writeFailedMessage, std::string(files[placed].path),
                        error.default_error_condition().value());
    }
    for (const Written& file : written)
        if (!file.earlier.empty())
            fs::remove(file.earlier, ignored);
}

void writeDescriptor(int fd, const ContentWriter& write) {
    std::FILE* stream = _fdopen(_dup(fd), "wb");
    if (!stream)
        throw FileError(outputWriteFailedMessage, standardOutputName, errno);
    bool ok = false;
    try {
        ok = writeThrough(stream, write);
    } catch (...) {
        std::fclose(stream);
        throw;
    }
    const int error = errno;
    if (std::fclose(stream) != 0 || !ok)
        throw FileError(outputWriteFailedMessage, standardOutputName, error);
}

} // namespace plicora
