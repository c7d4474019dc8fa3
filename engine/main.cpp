// plicora-opuscolo: the booklet engine, a program of its own so that no window loads a PDF
// library and no document can take a window down. See engine_protocol.h for how it is run.
#include "booklet_run.h"
#include "console/failure.h"
#include "console/signals.h"
#include "engine_protocol.h"
#include "files/standard_streams.h"
#include "imposition/memory_limit.h"
#include "print_run.h"

#include <string_view>
#include <vector>

int main(int argc, char* argv[]) {
    using namespace plicora;
    reserveStandardStreams();
    setUpSignals();
    limitMemory();
    // Only a window asks for the printers and one printer's description, and shows what went
    // wrong in its own words, encoded; a person asks for the list on a terminal.
    if (argc == 2 && argv[1] == engine::listPrintersOption) {
        encodeErrorLines();
        return runReporting([] { return engine::listPrinters(); }, std::string_view());
    }
    if (argc == 3 && argv[1] == engine::describePrinterOption) {
        encodeErrorLines();
        return runReporting([&] { return engine::describePrinter(argv[2]); }, std::string_view());
    }
    if (argc == 2 && argv[1] == engine::printersTextOption)
        return runReporting([] { return engine::listPrintersText(); }, errorLinePrefix);
    BookletJob job;
    if (const int status = runReporting(
            [&] {
                job = engine::readArguments(std::vector<std::string_view>(argv + 1, argv + argc));
                return exitSuccess;
            },
            errorLinePrefix);
        status != exitSuccess)
        return status;
    if (job.bareMessages)
        encodeErrorLines();
    const std::string_view prefix = job.bareMessages ? std::string_view() : errorLinePrefix;
    if (!job.printer.empty())
        return runReporting([&] { return engine::printBooklet(job); }, prefix);
    return runReporting([&] { return engine::runBooklet(job); }, prefix);
}
