#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The CUPS side of the booklet printer: the real destinations it mirrors, and the queues it adds
// so that every print dialog lists its virtual printers. CUPS is reached as every CUPS program
// reaches it (CUPS_SERVER or the client's configuration).
namespace plicora::printer {

// A real destination, as far as its booklets need.
struct RealPrinter {
    std::string name;
    bool twoSided = false;               // CUPS said it prints both sides
    std::vector<std::string> media = {}; // PWG names; empty when CUPS didn't say
    std::string defaultMedia = {};
    friend bool operator==(const RealPrinter&, const RealPrinter&) = default;
};

// The queue CUPS gets for the virtual printer of `printer`.
std::string queueName(std::string_view printer);

// The virtual printer of `printer` on this machine's `port`.
std::string virtualPrinterUri(int port, std::string_view printer);

// What CUPS has: the real destinations by name, and the queues made for virtual printers (named
// by queueName()) with the address each sends to.
struct CupsDestinations {
    std::vector<std::string> printers;
    std::map<std::string, std::string> queues;
};

// The destinations CUPS knows, in one cheap request; nothing when no scheduler answers.
std::optional<CupsDestinations> cupsDestinations();

// What the real destination `name` can do; nothing when CUPS doesn't answer.
std::optional<RealPrinter> askPrinter(const std::string& name);

// What the real destination `name` can do, as askPrinter(): for every job; nothing but its name
// when CUPS doesn't answer.
RealPrinter describePrinter(const std::string& name);

// The command that makes the queue for `printer`'s virtual printer on `port`.
std::vector<std::string> addQueueCommand(int port, std::string_view printer);

// Runs `command` (lpadmin) detached from any terminal, so that it never waits for a password;
// nothing when it succeeds, else what it said.
std::optional<std::string> runAdministration(const std::vector<std::string>& command);

// `command` as an administrator types it.
std::string commandText(const std::vector<std::string>& command);

} // namespace plicora::printer
