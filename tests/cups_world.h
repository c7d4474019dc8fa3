#pragma once

#include "test_support.h"

#include <gtest/gtest.h>

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <string>
#include <thread>
#include <vector>

namespace plicora::testing {

// A loopback port nobody listens on just now.
int freePort();

// Runs the shell `command` without a word on the console; whether it succeeded.
bool quietly(const std::string& command);

// Starts `arguments` in the background, its standard output on /dev/null and its standard error
// into `log`; its pid, 0 when it could not start.
pid_t startLogged(const std::vector<std::string>& arguments, const std::filesystem::path& log);

// Asks `done` every 50 ms until it says so or `limit` is over; its last answer.
template <typename Done>
bool waitFor(Done done, std::chrono::milliseconds limit = std::chrono::seconds(10)) {
    for (auto end = std::chrono::steady_clock::now() + limit;
         std::chrono::steady_clock::now() < end;
         std::this_thread::sleep_for(std::chrono::milliseconds(50)))
        if (done())
            return true;
    return done();
}

// A scheduler that takes connections on the loopback and never answers: the kernel completes
// each connection into the listening socket's queue, and nobody ever reads it.
class SilentScheduler {
public:
    SilentScheduler();
    ~SilentScheduler();
    SilentScheduler(const SilentScheduler&) = delete;
    SilentScheduler& operator=(const SilentScheduler&) = delete;

    // Its address as CUPS_SERVER takes it, "127.0.0.1:PORT".
    std::string address() const { return "127.0.0.1:" + std::to_string(port_); }

private:
    int fd_;
    int port_ = 0;
};

// A job a test printer received: its document, and its IPP attributes by name (as
// ippeveprinter hands them to its print command, "sides", "copies", "media-col"...).
struct ReceivedJob {
    std::filesystem::path document;
    std::map<std::string, std::string> attributes;
};

// A CUPS world of its own for the printing tests: a private cupsd (configuration, socket, spool
// and port in a temporary folder), reached through CUPS_SERVER, which this sets for the process
// and its children, and queues made with `lpadmin -m everywhere` on ippeveprinter printers that
// keep every job. ippeveprinter needs DNS-SD: when no avahi-daemon runs, a D-Bus system bus of
// its own and an avahi-daemon are started too. Everything started is stopped with it.
class CupsWorld {
public:
    // One printer and its queue: `duplex` or one-sided.
    struct PrinterSpec {
        std::string name;
        bool duplex;
    };

    // Starts the world with `printers`, the first one the default.
    explicit CupsWorld(const std::vector<PrinterSpec>& printers);
    ~CupsWorld();
    CupsWorld(const CupsWorld&) = delete;
    CupsWorld& operator=(const CupsWorld&) = delete;

    // The jobs printer `name` has received so far, in the order received.
    std::vector<ReceivedJob> jobs(const std::string& name) const;
    // Waits until printer `name` has received `count` jobs (at most a few seconds); the jobs.
    std::vector<ReceivedJob> waitForJobs(const std::string& name, std::size_t count) const;
    // The folder everything of the world lives in.
    const std::filesystem::path& folder() const { return folder_.path(); }
    // Runs a CUPS administration command (lpadmin, cupsdisable...) on this world's scheduler.
    void administer(const std::string& command) const;
    // Waits until CUPS has no job left unfinished, cancelling what remains after a while.
    void settle() const;
    // Makes every printer keep each job it starts printing unfinished until `paused` is false
    // again, so that the jobs after it wait in CUPS's queue.
    void pausePrinting(bool paused) const;
    // Announces an IPP printer `name` on DNS-SD at a host that doesn't exist, as a printer
    // switched off or on another network is still announced; it stays until the world stops.
    void advertiseUnreachable(const std::string& name);

private:
    std::filesystem::path jobFolder(const std::string& name) const;

    TemporaryDirectory folder_;
    std::vector<pid_t> started_; // in the order started, stopped in reverse
    std::string previousServer_;
};

// A second scheduler beside a world's, as a desktop's CUPS is to a user who may not add printers:
// it knows destination `printer` (with no printer behind it) and refuses everybody the adding
// and changing of queues. Reached through socket(); CUPS_SERVER is left as it is.
class RefusingScheduler {
public:
    explicit RefusingScheduler(const std::string& printer);
    ~RefusingScheduler();
    RefusingScheduler(const RefusingScheduler&) = delete;
    RefusingScheduler& operator=(const RefusingScheduler&) = delete;

    // The domain socket it listens on, for CUPS_SERVER.
    std::filesystem::path socket() const { return folder_.path() / "cups.sock"; }

private:
    TemporaryDirectory folder_;
    pid_t pid_ = 0;
};

// The printers of the tests' world: the default one, duplex, and one printing one side only.
inline constexpr const char* duplexPrinter = "Fronteretro";
inline constexpr const char* oneSidedPrinter = "Unlato";

// A suite's one CUPS world, with the tests' two printers, started before its first test and stopped
// after its last, with a check that none of the processes it started outlives it.
class CupsWorldEnvironment : public ::testing::Environment {
public:
    void SetUp() override;
    void TearDown() override;

    // The world of the suite running.
    static CupsWorld& world();
};

} // namespace plicora::testing
