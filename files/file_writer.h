#pragma once

#include "content_writer.h"
#include "file_error.h"
#include "file_messages.h"

#include <string_view>

namespace plicora {

// Replaces the file at `path` whole with what `write` writes to the stream it is handed; `path` is
// the path's bytes, taken as they are.
//
// The new content goes to a new file beside the old one, flushed to the disk and renamed over
// it, so a process that dies or a disk that fills leaves the earlier file or the new one, never a
// part. Where the file system has no unnamed files, that new file has a hidden name
// (".NAME.plicora-XXXXXX"), removed on every failure; only a killed run may leave one.
// A symbolic link stays one and its target is replaced; an existing file keeps its permissions
// (and, for root, its owner). A device or a FIFO is written directly, and a FIFO that no process
// reads is refused rather than waited for.
// A writable file in a folder that takes no new files is written in place: the whole content is
// made in memory and its space reserved on the disk before its first byte is overwritten, so a
// failure leaves it as it was; only a kill while it is being overwritten leaves a part.
//
// `report`, when set, is called once the content is written and flushed, before the file takes
// the earlier one's place (a device or a FIFO is written after it): an exception from it leaves
// the earlier file.
//
// Throws FileError with cannotOpenMessage when the file can't be opened or created, or with
// writeFailedMessage when writing, reserving, flushing or replacing fails; an exception from
// `write` is passed on, unless the stream had already failed, which is then what is reported.
// Either way the earlier file is left as it was and nothing else is left. A signal that ends the
// program (see removeHeldFiles()) leaves no hidden file either.
void writeFile(std::string_view path, const ContentWriter& write, const Report& report = {});

// The same, with `content` as the whole file.
void writeFile(std::string_view path, std::string_view content, const Report& report = {});

// Replaces two files together, as writeFile() does each: both are written and flushed before
// either is put in place, and when the second can't be, the first is put back, so any failure
// leaves both earlier files. The one remaining window is a kill between the two renames: the
// first file is then new and the second old, and the earlier first file is left beside it as
// ".NAME.plicora-XXXXXX". A file written in place (a device, a FIFO, a file in a folder that takes
// no new files) can't be put back: those are written last, once the others are in place.
// `report` is called as writeFile() calls it. Two paths that end at one file, existing or not,
// through links (dangling ones and folders' too) or otherwise, are refused with samePairMessage
// before anything is written.
void writeFilePair(std::string_view firstPath, const ContentWriter& writeFirst,
                   std::string_view secondPath, const ContentWriter& writeSecond,
                   const Report& report = {});

// Writes what `write` writes to the open descriptor `fd` (standard output) and flushes it; a
// failed write, such as a reader that closed the pipe (with SIGPIPE ignored) or a full device,
// throws FileError with outputWriteFailedMessage, named standardOutputName.
void writeOutput(int fd, const ContentWriter& write);

// The same, with `content` as the whole output.
void writeOutput(int fd, std::string_view content);

} // namespace plicora
