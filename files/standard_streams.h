#pragma once

namespace plicora {

// Opens /dev/null on whichever of standard input, output and error is closed, so that no file
// the program opens later takes its place and receives what was meant for it. Standard output is
// opened for reading only, so that writing to it still fails, as it did while it was closed.
// Call it first thing.
void reserveStandardStreams();

} // namespace plicora
