#include "file_writer.h"

#include "file_replacement.h"

#include <array>
#include <filesystem>

namespace plicora {
namespace {

void refuseUnusable(std::string_view path) {
    // A NUL would silently cut the path short: such a path is refused, not shortened.
    if (path.empty() || path.find('\0') != std::string_view::npos)
        throw FileError(cannotOpenMessage, std::string(path), 0);
}

ContentWriter writing(std::string_view content) {
    return [content](std::FILE* file) { std::fwrite(content.data(), 1, content.size(), file); };
}

// Whether two paths name one file: the same file now, or the same place once links are followed.
bool sameFile(std::string_view first, std::string_view second) {
    namespace fs = std::filesystem;
    const fs::path a{std::string(first)}, b{std::string(second)};
    std::error_code error;
    if (fs::equivalent(a, b, error))
        return true;
    const fs::path canonicalA = fs::weakly_canonical(a, error);
    if (error)
        return false;
    const fs::path canonicalB = fs::weakly_canonical(b, error);
    return !error && canonicalA == canonicalB;
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
