#pragma once

namespace plicora {

// Sets how the program takes signals: a reader of standard output that goes away is a failed
// write, told as such, not the end of the program; SIGINT, SIGTERM and SIGHUP first remove the
// hidden files the file writer holds, then end the program as the signal does. Call it first
// thing.
void setUpSignals();

} // namespace plicora
