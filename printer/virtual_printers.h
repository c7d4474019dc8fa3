#pragma once

#include "cups_queues.h"

#include <filesystem>
#include <string>

typedef struct _pappl_system_s pappl_system_t;
typedef struct _pappl_printer_s pappl_printer_t;

// The booklet printer's virtual printers, one for each real destination and named after it, on
// a PAPPL system: each takes PDF, offers the booklet's page sizes and prints every job as a
// booklet on its real destination.
namespace plicora::printer {

class VirtualPrinters {
public:
    // Registers the booklet driver with `system`; each printer's settings live under `folder`.
    VirtualPrinters(pappl_system_t* system, std::filesystem::path folder);

    // Adds the virtual printer of `real`, and its settings file when it has none; false when
    // PAPPL refuses it.
    bool add(const RealPrinter& real);

    // Gives the virtual printer of `real` the page sizes `real`'s papers make now, its jobs under
    // way going on as they were; whether they changed.
    bool follow(const RealPrinter& real);

    // Removes the virtual printer named `name`, cancelling its jobs.
    void remove(const std::string& name);

    // Cancels the jobs of every printer, for the program's end.
    void cancelAllJobs();

private:
    pappl_printer_t* find(const std::string& name) const;

    pappl_system_t* system_;
    std::filesystem::path folder_;
};

} // namespace plicora::printer
