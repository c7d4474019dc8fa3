#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>
#include <vector>

// The programs the booklet printer runs for its jobs: the engine, or Plicora's booklet window.
namespace plicora::printer {

// How a child ended.
struct ChildEnd {
    bool exited = false;             // by itself, rather than by a signal
    int status = 0;                  // its exit status, when it exited
    std::vector<std::string> errors; // what it wrote on standard error, line by line
};

// Runs `command` (its program looked up in PATH) to its end with nothing on its standard input,
// in a session of its own (no terminal to ask a password on) and with no signal blocked (this
// program blocks its end signals in every thread), handing `onOutput` each line of its standard
// output. `cancelled` is asked twice a second: when it says so, the child gets SIGTERM. Nothing
// when the child can't be started, or once stopAllChildren() was called.
std::optional<ChildEnd> runChild(const std::vector<std::string>& command,
                                 const std::function<bool()>& cancelled,
                                 const std::function<void(std::string_view)>& onOutput);

// Stops every child running and any started later, for the program's end.
void stopAllChildren();

} // namespace plicora::printer
