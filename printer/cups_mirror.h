#pragma once

#include "cups_queues.h"
#include "virtual_printers.h"

#include <chrono>
#include <condition_variable>
#include <map>
#include <mutex>
#include <set>
#include <thread>

namespace plicora::printer {

// Keeps the virtual printers in step with CUPS on a thread of its own: a virtual printer for each
// real destination that appears, none for one that goes, its page sizes following the papers of
// the real one, and for each the CUPS queue that makes every print dialog list it. CUPS refusing
// a queue is said once, with the command to run.
class CupsMirror {
public:
    // How often CUPS is asked what changed: one cheap request, and one for each real printer.
    static constexpr std::chrono::seconds interval{3};

    // Starts at once, for `printers` listening on `port`.
    CupsMirror(VirtualPrinters& printers, int port);
    // Stops, waiting for a step under way.
    ~CupsMirror();
    CupsMirror(const CupsMirror&) = delete;
    CupsMirror& operator=(const CupsMirror&) = delete;

private:
    void run();
    void step();
    void keepQueue(const std::string& printer, const CupsDestinations& cups, bool renew);

    VirtualPrinters& printers_;
    const int port_;
    std::map<std::string, RealPrinter> mirrored_;
    std::set<std::string> refused_; // queues CUPS refused, said once
    std::mutex mutex_;
    std::condition_variable wake_;
    bool stopping_ = false;
    std::thread thread_;
};

} // namespace plicora::printer
