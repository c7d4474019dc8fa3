#pragma once

#include "core/booklet_job.h"
#include "imposition/booklet.h"

#include <chrono>
#include <memory>

// What making a booklet into files and printing it share: opening the document as a booklet and
// telling what happens to it.
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

// The document of `job` opened as a booklet, its backs turned when `turnedBacks`; a rounded
// page count is told on standard error. Throws UserError as Booklet does.
std::unique_ptr<Booklet> openBooklet(const BookletJob& job, bool turnedBacks);

// The progress lines `job` asks for while `booklet` is written: none unless job.progress.
Booklet::Progress progressLines(const BookletJob& job, const Booklet& booklet);

// Tells the repairs made to the document's pages, one line each naming its page.
void printWarnings(const Booklet& booklet);

} // namespace plicora::engine
