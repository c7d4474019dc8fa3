// plicora-stampante: the booklet printer every application can print to. A Printer Application
// on 127.0.0.1 whose virtual printers, one for each real CUPS destination, print every job as a
// booklet on their real printer through the booklet engine.
#include "child_process.h"
#include "console/console.h"
#include "console/failure.h"
#include "core/user_error.h"
#include "cups_mirror.h"
#include "printer_messages.h"
#include "printer_options.h"
#include "settings_page.h"
#include "virtual_printers.h"

#include <pappl/pappl.h>

#include <arpa/inet.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string_view>
#include <thread>
#include <vector>

namespace {

using namespace plicora;
using namespace plicora::printer;
namespace fs = std::filesystem;

// Removes whatever a job left in the spool: documents never outlive the program.
void emptySpool(const fs::path& spool) {
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(spool, error))
        fs::remove_all(entry.path(), error);
}

// Wakes the system's loop, which otherwise looks at its shutdown only between connections.
void knock(int port) {
    const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
    close(fd);
}

// Serves until an end signal; ends the process. Throws UserError when it can't start.
[[noreturn]] void serve(const PrinterOptions& options, const sigset_t& endSignals) {
    const fs::path spool = options.folder / "spool";
    std::error_code error;
    fs::create_directories(spool, error);
    if (error)
        throw UserError(folderFailedMessage(spool.string(), error.message()));
    emptySpool(spool);
    // PAPPL of Debian 12 announces its printers on every interface whenever it reaches
    // avahi, whatever it listens on: with no system bus to reach it by, it announces nothing.
    // (No DNS-SD subtypes either; no TLS, which loopback doesn't need.) The web interface is
    // PAPPL's status pages, where each printer's settings page is linked; none of its network,
    // security or log pages, none reachable but from this machine, and printers are added and
    // deleted in CUPS alone.
    setenv("DBUS_SYSTEM_BUS_ADDRESS", "disabled:", 1);
    pappl_system_t* system = papplSystemCreate(
        PAPPL_SOPTIONS_MULTI_QUEUE | PAPPL_SOPTIONS_NO_TLS | PAPPL_SOPTIONS_WEB_INTERFACE,
        "Plicora", options.port, nullptr, spool.c_str(), "-", PAPPL_LOGLEVEL_ERROR, nullptr, false);
    if (!system)
        throw UserError(folderFailedMessage(spool.string(), "PAPPL"));
    keepPrintersFollowingCups(system);
    // PAPPL 1.3.1 ends every web page with its footer, and crashes there when none is set.
    papplSystemSetFooterHTML(system, webFooter);
    papplSystemSetHostName(system, "localhost");
    // The log is standard error, which is not PAPPL's to rotate (rotating it, PAPPL 1.3.1 waits
    // for its own lock forever).
    papplSystemSetMaxLogSize(system, 0);
    if (!papplSystemAddListeners(system, "127.0.0.1")) {
        papplSystemDelete(system);
        throw UserError(listenFailedMessage(options.port));
    }
    papplSystemAddListeners(system, "::1"); // where IPv6 is there at all
    VirtualPrinters printers(system, options.folder);
    std::thread ending([&] {
        int signal = 0;
        sigwait(&endSignals, &signal);
        if (signal == SIGUSR1)
            return; // the loop ended by itself
        stopAllChildren();
        printers.cancelAllJobs();
        papplSystemShutdown(system);
        knock(options.port);
    });
    {
        const CupsMirror mirror(printers, options.port);
        papplSystemRun(system);
    }
    pthread_kill(ending.native_handle(), SIGUSR1);
    ending.join();
    emptySpool(spool);
    // PAPPL's job and client threads may still be unwinding a cancelled job: deleting the system,
    // or the program's own objects at exit, under them crashes. The process ends as it is.
    std::fflush(nullptr);
    std::_Exit(exitSuccess);
}

} // namespace

int main(int argc, char* argv[]) {
    // Job documents and settings are the user's alone.
    umask(077);
    // The end signals are taken by one thread, which ends what runs; every thread started
    // from here on inherits them blocked.
    sigset_t endSignals;
    sigemptyset(&endSignals);
    for (const int signal : {SIGTERM, SIGINT, SIGHUP, SIGUSR1})
        sigaddset(&endSignals, signal);
    pthread_sigmask(SIG_BLOCK, &endSignals, nullptr);
    signal(SIGPIPE, SIG_IGN);
    PrinterOptions options;
    if (const int status = runReporting(
            [&] {
                options = readPrinterOptions(
                    std::vector<std::string_view>(argv + 1, argv + argc),
                    defaultFolder(std::getenv("XDG_STATE_HOME"), std::getenv("HOME")));
                return exitSuccess;
            },
            errorLinePrefix, usageText);
        status != exitSuccess)
        return status;
    return runReporting([&]() -> int { serve(options, endSignals); }, errorLinePrefix);
}
