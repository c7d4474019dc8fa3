#pragma once

#include "engine_protocol.h"
#include "imposition/booklet.h"

#include <chrono>
#include <memory>

namespace plicora::engine {

// The longest the engine takes to read a document and make its booklet or print job: a document
// of 2,000 pages takes about a second; one that takes a minute is built so that no printer would
// get through it either, and the user is told rather than kept waiting.
inline constexpr std::chrono::seconds readingTimeLimit{60};

// Ends the engine with the message for a document that takes longer than readingTimeLimit, from
// now on, to read and impose, in the words `job` asks for.
void limitReadingTime(const BookletJob& job);

// Lifts the limit limitReadingTime() set.
void liftReadingTimeLimit();

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
