#include "signals.h"

#include <csignal>

namespace plicora {

void setUpSignals() {
    std::signal(SIGPIPE, SIG_IGN);
}

} // namespace plicora
