#pragma once

#include "core/booklet_job.h"

namespace plicora::engine {

// Makes the booklet (or the test sheet) `job` asks for into files, `job` naming no printer: the
// rounding notice and messages on standard error, progress lines (when asked) and then the paths
// written on standard output. Returns exitSuccess after the test sheet; a booklet, once written,
// ends the process with exitSuccess at once, leaving the document's many objects for the system
// to take back rather than freeing them one by one (a tenth of the run). Throws UserError when
// the document or a file fails.
int runBooklet(const BookletJob& job);

} // namespace plicora::engine
