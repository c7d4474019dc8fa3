#pragma once

#include "core/booklet_job.h"
#include "core/paper.h"
#include "printer_settings.h"

#include <functional>
#include <string>
#include <variant>

// A virtual printer's job made into a booklet and printed on the real destination by the booklet
// engine, run as a child process exactly as `plicora-opuscolo --stampante` prints: the engine
// checks the paper against the printer, chooses the edge and follows the real job.
namespace plicora::printer {

struct BookletPrint {
    std::string document;     // the PDF received
    std::string printer;      // the real destination
    Paper sheet;              // the sheet the booklet's pages are folded from
    PrinterSettings settings; // the virtual printer's own choices
    std::string settingsFile; // where they were read, for a message
    int copies = 1;
};

// How a print ended: printed, refused or failed with the Italian reason why, or left by the user
// who closed the window it was shown in.
struct PrintOutcome {
    enum class End { Printed, Refused, Closed };
    End end;
    std::string message = {};
};

// The engine's job for `print`, or the reason its settings can't make one.
std::variant<BookletJob, std::string> bookletJob(const BookletPrint& print);

// Prints `print`, waiting until the real printer has the job. `cancelled` is asked twice a
// second: when it says so, the engine is stopped. `onJob` hears what the real job is doing,
// in words for the virtual job.
PrintOutcome printBooklet(const BookletPrint& print, const std::function<bool()>& cancelled,
                          const std::function<void(const std::string&)>& onJob);

} // namespace plicora::printer
