#pragma once

#include "content_writer.h"

#include <span>
#include <string_view>

namespace plicora {

// One file to replace: its path as the user gave it (its bytes) and what writes its content.
struct FileToReplace {
    std::string_view path;
    const ContentWriter& write;
};

// The platform's half of writeFile() and writeFilePair(): replaces every file in `files`, all or
// none, with the guarantees and the errors they promise, calling `report` (when set) between
// the writing and the replacing.
void replaceFiles(std::span<const FileToReplace> files, const Report& report);

// The platform's half of writeOutput().
void writeDescriptor(int fd, const ContentWriter& write);

} // namespace plicora
