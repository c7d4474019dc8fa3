#pragma once

namespace plicora {

// Sets how the program takes signals: a reader of standard output that goes away is a failed
// write, told as such, not the end of the program. Call it first thing.
void setUpSignals();

} // namespace plicora
