#pragma once

#include "core/booklet_job.h"

namespace plicora::engine {

// Prints the booklet (or the test sheet) `job` asks for on its printer, as printWay() says,
// from PDFs that only a temporary file without a name ever holds; with job.output it also writes
// what it prints there. The paper is checked against the printer's before anything is written
// or sent. Called from a window (job.progress), it prints a jobLine() for each state of each job
// and the backsAwaitedLine between the fronts and the backs; on a terminal, one line naming each
// job once CUPS has taken it, and the question before the backs. Returns exitSuccess; throws
// UserError naming the printer when printing fails.
int printBooklet(const BookletJob& job);

// Prints a printerLine() for each printer CUPS knows; returns exitSuccess. Throws UserError
// when no CUPS scheduler answers.
int listPrinters();

// Prints the printerLine() of printer `name`, what it can do asked of it; returns exitSuccess.
// Throws UserError when CUPS doesn't know it, can't reach it, or doesn't answer.
int describePrinter(const char* name);

// Prints a printerListLine() for each printer CUPS knows; returns exitSuccess. Throws UserError
// when no CUPS scheduler answers.
int listPrintersText();

} // namespace plicora::engine
