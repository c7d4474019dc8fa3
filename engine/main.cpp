// plicora-opuscolo: the booklet engine, a program of its own so that no window loads a PDF
// library and no document can take a window down. See engine_interface.h for how it is run.
#include "booklet_run.h"
#include "core/user_error.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

void printErrorLine(const std::string& text) {
    std::fprintf(stderr, "%s\n", text.c_str());
}

} // namespace

int main(int argc, char* argv[]) {
    using namespace plicora::engine;
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    BookletJob job;
    try {
        job = readArguments(args);
    } catch (const UsageError& error) {
        printErrorLine(std::string(programName) + ": " + error.what());
        return exitUsage;
    }
    try {
        return runBooklet(job);
    } catch (const plicora::UserError& error) {
        printErrorLine(error.what());
    } catch (const std::exception& error) {
        // Whatever a library throws that no message foresaw still ends in a message.
        printErrorLine(std::string("Errore imprevisto: ") + error.what());
    }
    return exitFailure;
}
