// plicora-opuscolo: the booklet engine, a program of its own so that no window loads a PDF
// library and no document can take a window down. See engine_interface.h for how it is run.
#include "booklet_run.h"
#include "core/user_error.h"
#include "files/file_error.h"
#include "files/standard_streams.h"
#include "print_run.h"

#include <csignal>
#include <cstdio>
#include <string>
#include <vector>

namespace {

void printErrorLine(std::string_view prefix, std::string_view message) {
    std::fprintf(stderr, "%.*s%.*s\n", static_cast<int>(prefix.size()), prefix.data(),
                 static_cast<int>(message.size()), message.data());
}

// Runs `work`, which ends the process when it is done; turns whatever stops it into its message
// and status.
template <typename Work> int run(Work work) {
    try {
        work();
    } catch (const plicora::UserError& error) {
        printErrorLine(plicora::commandLinePrefix, plicora::errorText(error));
    } catch (const std::exception& error) {
        // Whatever a library throws that no message foresaw still ends in a message.
        printErrorLine(plicora::commandLinePrefix,
                       std::string("Errore imprevisto: ") + error.what());
    }
    return plicora::engine::exitFailure;
}

} // namespace

int main(int argc, char* argv[]) {
    using namespace plicora;
    reserveStandardStreams();
#ifndef _WIN32
    // A reader that goes away is a failed write, told as such, not the end of the program.
    std::signal(SIGPIPE, SIG_IGN);
#endif
    if (argc == 2 && argv[1] == engine::listPrintersOption)
        return run(engine::listPrinters);
    engine::BookletJob job;
    try {
        job = engine::readArguments(std::vector<std::string_view>(argv + 1, argv + argc));
    } catch (const engine::UsageError& error) {
        printErrorLine(std::string(engine::programName) + ": ", error.what());
        return engine::exitUsage;
    }
    return run([&job] { engine::runBooklet(job); });
}
