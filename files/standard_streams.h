#pragma once

#include <cstdio>

namespace plicora {

// Opens /dev/null on whichever of standard input, output and error is closed, so that no file
// the program opens later takes its place and receives what was meant for it. Standard output is
// opened for reading only, so that writing to it still fails, as it did while it was closed.
// Call it first thing.
void reserveStandardStreams();

// What became of standard output once all that was buffered for it is written out.
enum class OutputEnd {
    Written,
    ReaderGone, // the pipe's reader stopped reading: other tools end quietly then
    Failed,     // to be told with standardOutputFailedMessage
};

// Writes out standard output and says how that, and every earlier write to it, went.
OutputEnd finishStandardOutput();

} // namespace plicora
