#include "file_writer.h"

#include "file_replacement.h"

#include <array>
#include <deque>
#include <filesystem>

namespace plicora {
namespace {

namespace fs = std::filesystem;

void refuseUnusable(std::string_view path) {
    // A NUL would silently cut the path short: such a path is refused, not shortened.
    if (path.empty() || path.find('\0') != std::string_view::npos)
        throw FileError(cannotOpenMessage, std::string(path), 0);
}

ContentWriter writing(std::string_view content) {
    return [content](std::FILE* file) { std::fwrite(content.data(), 1, content.size(), file); };
}

// The most links followed in one path, as the kernel allows; past it the path is taken as it is,
// and opening it fails.
constexpr int maxLinks = 40;

// Where `path` ends once every symbolic link in it is followed, whether its target exists or not
// (a dangling link names the file it will create) and whether it names a folder or the file:
// an absolute path with no link, ".." or "." in it. What doesn't exist is taken as written.
fs::path resolved(std::string_view path) {
    std::error_code error;
    fs::path start{std::string(path)};
    if (start.is_relative())
        start = fs::current_path(error) / start;
    std::deque<fs::path> pending(start.begin(), start.end());
    fs::path done = "/";
    for (int links = 0; !pending.empty();) {
        const fs::path part = std::move(pending.front());
        pending.pop_front();
        if (part.empty() || part == "/" || part == ".")
            continue;
        if (part == "..") {
            done = done.parent_path(); // `done` has no links left, so its parent is the real one
            continue;
        }
        const fs::path next = done / part;
        if (links < maxLinks && fs::is_symlink(next, error)) {
            const fs::path target = fs::read_symlink(next, error);
            if (!error) {
                ++links;
                pending.insert(pending.begin(), target.begin(), target.end());
                if (target.is_absolute())
                    done = "/";
                continue;
            }
        }
        done = next;
    }
    return done;
}

// Whether two paths end at one file, existing or not: the same file now (a hard link too), the
// same place once every link is followed, or the same name in one folder reached two ways.
bool sameFile(std::string_view first, std::string_view second) {
    std::error_code error;
    if (fs::equivalent(fs::path{std::string(first)}, fs::path{std::string(second)}, error))
        return true;
    const fs::path a = resolved(first), b = resolved(second);
    return a == b || (a.filename() == b.filename() &&
                      fs::equivalent(a.parent_path(), b.parent_path(), error));
}

} // namespace

void writeFile(std::string_view path, const ContentWriter& write, const Report& report) {
    refuseUnusable(path);
    const std::array files{FileToReplace{path, write}};
    replaceFiles(files, report);
}

void writeFile(std::string_view path, std::string_view content, const Report& report) {
    writeFile(path, writing(content), report);
}

void writeFilePair(std::string_view firstPath, const ContentWriter& writeFirst,
                   std::string_view secondPath, const ContentWriter& writeSecond,
                   const Report& report) {
    refuseUnusable(firstPath);
    refuseUnusable(secondPath);
    // The second would take the first's place, and one of the two would be lost.
    if (sameFile(firstPath, secondPath))
        throw UserError(samePairMessage);
    const std::array files{FileToReplace{firstPath, writeFirst},
                           FileToReplace{secondPath, writeSecond}};
    replaceFiles(files, report);
}

void writeOutput(int fd, const ContentWriter& write) {
    writeDescriptor(fd, write);
}

void writeOutput(int fd, std::string_view content) {
    writeDescriptor(fd, writing(content));
}

} // namespace plicora
