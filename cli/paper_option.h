#pragma once

#include "command_options.h"
#include "core/paper.h"

namespace plicora {

// The --carta option of the commands that write sheets.
QCommandLineOption paperOption();

// The paper --carta asks of `options`, or A4 when it isn't given. Throws UsageError, saying what
// is accepted, for anything readPaper refuses.
Paper chosenPaper(const CommandOptions& options);

} // namespace plicora
