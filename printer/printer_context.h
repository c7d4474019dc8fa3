#pragma once

#include "cups_queues.h"

#include <filesystem>

typedef struct _pappl_printer_s pappl_printer_t;

namespace plicora::printer {

// What a virtual printer's jobs and pages need, kept as its driver's extension.
struct PrinterContext {
    RealPrinter real;
    std::filesystem::path settingsFile;
};

// The context of `printer`, one of VirtualPrinters'.
const PrinterContext& printerContext(pappl_printer_t* printer);

} // namespace plicora::printer
