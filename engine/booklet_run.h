#pragma once

#include "engine_interface.h"

namespace plicora::engine {

// Makes the booklet `job` asks for: the rounding notice and messages on standard error, progress
// lines (when asked) and then the paths written on standard output. Returns the exit status;
// throws UserError when the document or a file fails.
int runBooklet(const BookletJob& job);

} // namespace plicora::engine
