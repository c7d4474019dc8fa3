#pragma once

#include "engine_protocol.h"
#include "imposition/booklet.h"

#include <memory>

namespace plicora::engine {

// Makes the booklet (or the test sheet) `job` asks for, or prints it when it names a printer:
// the rounding notice and messages on standard error, progress lines (when asked) and then the
// paths written, or the jobs sent, on standard output. Done, it ends the process with
// exitSuccess at once, leaving the document's many objects for the system to take back rather
// than freeing them one by one (a tenth of the run). Throws UserError when the document, a file
// or the printer fails.
[[noreturn]] void runBooklet(const BookletJob& job);

// The document of `job` opened as a booklet, its backs turned when `turnedBacks`; a rounded
// page count is told on standard error. Throws UserError as Booklet does.
std::unique_ptr<Booklet> openBooklet(const BookletJob& job, bool turnedBacks);

// The progress lines `job` asks for while `booklet` is written: none unless job.progress.
Booklet::Progress progressLines(const BookletJob& job, const Booklet& booklet);

// Tells the repairs made to the document's pages, one line each naming its page.
void printWarnings(const Booklet& booklet);

} // namespace plicora::engine
