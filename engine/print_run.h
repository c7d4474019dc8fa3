#pragma once

#include "engine_protocol.h"

namespace plicora::engine {

// Prints the booklet (or the test sheet) `job` asks for on its printer, as printWay() says,
// from PDFs that only a temporary file without a name ever holds; with job.output it also writes
// what it prints there. Called from a window (job.progress), it prints a jobLine() for each
// state of each job and the backsAwaitedLine between the fronts and the backs; on a terminal,
// one line naming each job once CUPS has taken it, and the question before the backs. Done, it
// ends the process with exitSuccess. Throws UserError naming the printer when printing fails.
[[noreturn]] void printBooklet(const BookletJob& job);

// Prints a printerLine() for each printer CUPS knows and ends the process with exitSuccess.
// Throws UserError when no CUPS scheduler answers.
[[noreturn]] void listPrinters();

} // namespace plicora::engine
