#include "file_writer.h"

#include "file_replacement.h"

#include <array>

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

} // namespace

void writeFile(std::string_view path, const ContentWriter& write) {
    refuseUnusable(path);
    const std::array files{FileToReplace{path, write}};
    replaceFiles(files);
}

void writeFile(std::string_view path, std::string_view content) {
    writeFile(path, writing(content));
}

void writeFilePair(std::string_view firstPath, const ContentWriter& writeFirst,
                   std::string_view secondPath, const ContentWriter& writeSecond) {
    refuseUnusable(firstPath);
    refuseUnusable(secondPath);
    const std::array files{FileToReplace{firstPath, writeFirst},
                           FileToReplace{secondPath, writeSecond}};
    replaceFiles(files);
}

void writeOutput(int fd, const ContentWriter& write) {
    writeDescriptor(fd, write);
}

void writeOutput(int fd, std::string_view content) {
    writeDescriptor(fd, writing(content));
}

} // namespace plicora
