#pragma once

#include "command_options.h"

namespace plicora {

// The --fascicoli option of the commands that cut a job into signatures.
QCommandLineOption signatureOption();

// The sheets per signature --fascicoli asks of `options`, or 0 when it isn't given. Throws
// UsageError unless it is a whole number from 1 to signatureMaxSheets.
int sheetsPerSignature(const CommandOptions& options);

} // namespace plicora
