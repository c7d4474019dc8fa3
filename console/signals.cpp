#include "signals.h"

#include "files/held_files.h"

#include <csignal>

namespace plicora {
namespace {

// Removes what the file writer holds, then ends the program with the signal as it would have
// ended without this handler (the signal is delivered again once the handler returns).
extern "C" void endOnSignal(int signal) {
    removeHeldFiles();
    std::raise(signal);
}

} // namespace

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
