#pragma once

#include "core/paper.h"
#include "printer_settings.h"

#include <functional>
#include <string>

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

// How a print ended: printed, or the Italian reason why not.
struct PrintOutcome {
    bool printed = false;
    std::string message = {};
};

// Prints `print`, waiting until the real printer has the job. `cancelled` is asked twice a
// second: when it says so, the engine is stopped. `onJob` hears what the real job is doing,
// in words for the virtual job.
PrintOutcome printBooklet(const BookletPrint& print, const std::function<bool()>& cancelled,
                          const std::function<void(const std::string&)>& onJob);

// Stops every engine running, for the program's end; their jobs then end as failed.
void stopAllEngines();

} // namespace plicora::printer
