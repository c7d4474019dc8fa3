#pragma once

#include <chrono>
#include <string_view>

namespace plicora {

// Sets how the program takes signals: a reader of standard output that goes away is a failed
// write, told as such, not the end of the program; SIGINT, SIGTERM and SIGHUP first remove the
// hidden files the file writer holds, then end the program as the signal does. Call it first
// thing.
void setUpSignals();

// Ends the program as a failure once `limit` has passed: the hidden files the file writer holds
// are removed, `line` (up to 1 KiB, its line end included) is written on standard error and the
// program exits with exitFailure. A later call replaces the limit; a limit of zero lifts it.
void endAfter(std::chrono::seconds limit, std::string_view line);

} // namespace plicora
