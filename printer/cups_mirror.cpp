#include "cups_mirror.h"

#include "console/console.h"
#include "printer_messages.h"

#include <algorithm>

namespace plicora::printer {

CupsMirror::CupsMirror(VirtualPrinters& printers, int port)
    : printers_(printers), port_(port), thread_([this] { run(); }) {}

CupsMirror::~CupsMirror() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    thread_.join();
}

void CupsMirror::run() {
    std::unique_lock lock(mutex_);
    while (!stopping_) {
        lock.unlock();
        step();
        lock.lock();
        wake_.wait_for(lock, interval, [this] { return stopping_; });
    }
}

void CupsMirror::step() {
    const std::optional<CupsDestinations> cups = cupsDestinations();
    if (!cups)
        return;
    const auto real = [&](const std::string& name) {
        return std::find(cups->printers.begin(), cups->printers.end(), name) !=
               cups->printers.end();
    };
    for (auto printer = mirrored_.begin(); printer != mirrored_.end();) {
        if (real(printer->first)) {
            ++printer;
            continue;
        }
        printers_.remove(printer->first);
        if (cups->queues.contains(queueName(printer->first)))
            runAdministration({"lpadmin", "-x", queueName(printer->first)});
        printer = mirrored_.erase(printer);
    }
    for (const std::string& name : cups->printers) {
        // A queue made by lpadmin -m everywhere lists the page sizes the virtual printer had
        // then: when they change, it is made again.
        bool renew = false;
        if (const auto known = mirrored_.find(name); known == mirrored_.end()) {
            RealPrinter printer = describePrinter(name);
            if (!printers_.add(printer))
                continue;
            mirrored_.emplace(name, std::move(printer));
        } else if (std::optional<RealPrinter> printer = askPrinter(name);
                   printer && *printer != known->second) {
            renew = printers_.follow(*printer);
            known->second = std::move(*printer);
        }
        keepQueue(name, *cups, renew);
    }
}

void CupsMirror::keepQueue(const std::string& printer, const CupsDestinations& cups, bool renew) {
    const std::string queue = queueName(printer);
    const auto found = cups.queues.find(queue);
    if (refused_.contains(queue) || (!renew && found != cups.queues.end() &&
                                     found->second == virtualPrinterUri(port_, printer)))
        return;
    const std::vector<std::string> command = addQueueCommand(port_, printer);
    if (const std::optional<std::string> reason = runAdministration(command)) {
        printError(queueRefusedMessage(queue, *reason, commandText(command)));
        refused_.insert(queue);
    }
}

} // namespace plicora::printer
