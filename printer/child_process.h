#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

namespace plicora::printer {

// Starts `command` (its program looked up in PATH) with nothing on its standard input, its
// standard output on `output` and its standard error on `errors`, in a session of its own (no
// terminal to ask a password on) and with no signal blocked (this program blocks its end signals
// in every thread). Its id, or 0 when it can't be started.
pid_t startChild(const std::vector<std::string>& command, int output, int errors);

} // namespace plicora::printer
