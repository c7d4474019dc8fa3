#pragma once

#include "core/booklet_job.h"
#include "imposition/booklet.h"

#include <memory>

// What making a booklet into files and printing it share: opening the document as a booklet and
// telling what happens to it.
namespace plicora::engine {

// The document of `job` opened as a booklet, its backs turned when `turnedBacks`; a rounded
// page count is told on standard error. Throws UserError as Booklet does.
std::unique_ptr<Booklet> openBooklet(const BookletJob& job, bool turnedBacks);

// The progress lines `job` asks for while `booklet` is written: none unless job.progress.
Booklet::Progress progressLines(const BookletJob& job, const Booklet& booklet);

// Tells the repairs made to the document's pages, one line each naming its page.
void printWarnings(const Booklet& booklet);

} // namespace plicora::engine
