#include "signals.h"

#include "console.h"
#include "files/held_files.h"

#include <algorithm>
#include <csignal>
#include <cstring>
#include <tuple>

#include <unistd.h>

namespace plicora {
namespace {

// Removes what the file writer holds, then ends the program with the signal as it would have
// ended without this handler (the signal is delivered again once the handler returns).
extern "C" void endOnSignal(int signal) {
    removeHeldFiles();
    std::raise(signal);
}

// The line endAfter() writes, kept where a signal handler may read it without allocating.
char timeUpLine[1024];
std::size_t timeUpLength = 0;

extern "C" void endAsTimeUp(int) {
    removeHeldFiles();
    std::ignore = ::write(STDERR_FILENO, timeUpLine, timeUpLength);
    ::_exit(exitFailure);
}

} // namespace

void endAfter(std::chrono::seconds limit, std::string_view line) {
    ::alarm(0);
    timeUpLength = std::min(line.size(), sizeof timeUpLine);
    std::copy_n(line.begin(), timeUpLength, timeUpLine);
    if (limit.count() <= 0)
        return;
    struct sigaction timeUp {};
    timeUp.sa_handler = endAsTimeUp;
    sigemptyset(&timeUp.sa_mask);
    sigaction(SIGALRM, &timeUp, nullptr);
    ::alarm(static_cast<unsigned>(limit.count()));
}

void setUpSignals() {
    std::signal(SIGPIPE, SIG_IGN);
    struct sigaction ending {};
    ending.sa_handler = endOnSignal;
    ending.sa_flags = SA_RESETHAND;
    sigemptyset(&ending.sa_mask);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        struct sigaction earlier {};
        // A signal ignored by whoever started the program (nohup) stays ignored.
        if (sigaction(signal, nullptr, &earlier) == 0 && earlier.sa_handler != SIG_IGN)
            sigaction(signal, &ending, nullptr);
    }
}

} // namespace plicora
