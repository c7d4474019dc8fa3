#pragma once

#include "file_messages.h"

#include <cstdio>
#include <functional>
#include <string_view>

namespace plicora {

// Replaces the file at `utf8Path` whole with what `write` writes to the stream it is handed: a
// process that dies or a disk that fills leaves the earlier file or the new one, never a part.
// A symbolic link stays one and its target is replaced; an existing file keeps its permissions.
// A device or a FIFO is written directly, and a FIFO that no process reads is refused rather
// than waited for. Throws UserError with cannotOpenMessage when the file can't be opened
// or created, or writeFailedMessage when writing, flushing or replacing fails; an exception from
// `write` is passed on. Either way the earlier file is left as it was and nothing else is left.
void writeFile(std::string_view utf8Path, const std::function<void(std::FILE*)>& write);

// The same, with `content` as the whole file.
void writeFile(std::string_view utf8Path, std::string_view content);

} // namespace plicora
