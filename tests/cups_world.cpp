#include "cups_world.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <netinet/in.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <thread>

extern char** environ;

namespace plicora::testing {
namespace fs = std::filesystem;
namespace {

using namespace std::chrono_literals;

bool answers(int port) {
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    const bool connected = connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    close(fd);
    return connected;
}

void writeText(const fs::path& path, const std::string& text) {
    std::ofstream(path) << text;
}

// Starts `arguments`, its output thrown away; its pid.
pid_t spawn(const std::vector<std::string>& arguments) {
    const pid_t pid = startLogged(arguments, "/dev/null");
    EXPECT_NE(pid, 0) << arguments.front();
    return pid;
}

// Starts a cupsd whose configuration, socket, spool and logs are all under `root`, with `policy`
// in its cupsd.conf; its pid, once it answers.
pid_t startScheduler(const fs::path& root, const std::string& policy) {
    for (const char* folder : {"etc", "spool", "cache", "state", "log"})
        fs::create_directory(root / folder);
    const fs::path socket = root / "cups.sock";
    writeText(root / "etc/cupsd.conf", "Listen 127.0.0.1:" + std::to_string(freePort()) +
                                           "\nListen " + socket.string() +
                                           "\nLogLevel warn\nBrowsing No\nWebInterface No\n"
                                           "<Location />\nOrder allow,deny\nAllow all\n"
                                           "</Location>\n" +
                                           policy);
    writeText(root / "etc/cups-files.conf",
              "ServerRoot " + (root / "etc").string() + "\nRequestRoot " +
                  (root / "spool").string() + "\nTempDir " + (root / "spool").string() +
                  "\nCacheDir " + (root / "cache").string() + "\nStateDir " +
                  (root / "state").string() + "\nErrorLog " + (root / "log/error_log").string() +
                  "\nAccessLog " + (root / "log/access_log").string() + "\nPageLog " +
                  (root / "log/page_log").string() + "\nSandboxing Relaxed\n");
    const pid_t pid = spawn({"cupsd", "-f", "-c", (root / "etc/cupsd.conf").string(), "-s",
                             (root / "etc/cups-files.conf").string()});
    EXPECT_TRUE(waitFor([&] { return quietly("lpstat -h " + socket.string() + " -r"); }));
    return pid;
}

} // namespace

int freePort() {
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    bind(fd, reinterpret_cast<sockaddr*>(&address), size);
    getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size);
    close(fd);
    return ntohs(address.sin_port);
}

bool quietly(const std::string& command) {
    return std::system((command + " >/dev/null 2>&1").c_str()) == 0;
}

pid_t startLogged(const std::vector<std::string>& arguments, const fs::path& log) {
    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    pid_t pid = 0;
    if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0)
        pid = 0;
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

SilentScheduler::SilentScheduler() : fd_(socket(AF_INET, SOCK_STREAM, 0)) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    EXPECT_EQ(bind(fd_, reinterpret_cast<sockaddr*>(&address), size), 0);
    EXPECT_EQ(listen(fd_, 64), 0);
    getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &size);
    port_ = ntohs(address.sin_port);
}

SilentScheduler::~SilentScheduler() {
    close(fd_);
}

CupsWorld::CupsWorld(const std::vector<PrinterSpec>& printers) {
    const fs::path root = folder_.path();
    // The scheduler's filters run as an ordinary user, who must reach the spool.
    fs::permissions(root, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                              fs::perms::others_read | fs::perms::others_exec);
    // An avahi-daemon may run on a bus other than the system's one (one left by an interrupted
    // run): only a client reaching it counts.
    if (!quietly("avahi-browse --terminate _ipp._tcp")) {
        writeText(root / "bus.conf",
                  "<busconfig><type>system</type><listen>unix:path=" + (root / "bus").string() +
                      "</listen><auth>EXTERNAL</auth><policy context=\"default\"><allow "
                      "user=\"*\"/><allow own=\"*\"/><allow send_destination=\"*\"/><allow "
                      "receive_sender=\"*\"/></policy></busconfig>\n");
        started_.push_back(
            spawn({"dbus-daemon", "--nofork", "--config-file=" + (root / "bus.conf").string()}));
        EXPECT_TRUE(waitFor([&] { return fs::exists(root / "bus"); }));
        setenv("DBUS_SYSTEM_BUS_ADDRESS", ("unix:path=" + (root / "bus").string()).c_str(), 1);
        writeText(root / "avahi.conf", "[server]\nuse-ipv6=no\nallow-interfaces=lo\n"
                                       "[publish]\npublish-hinfo=no\npublish-workstation=no\n");
        // avahi-daemon's pid file is the machine's: while another world's daemon holds it, ours
        // ends at once. It is tried again until that world has stopped, for a bounded while.
        bool reached = false;
        for (const auto end = std::chrono::steady_clock::now() + 120s;
             !reached && std::chrono::steady_clock::now() < end;) {
            const pid_t avahi = spawn({"avahi-daemon", "-f", (root / "avahi.conf").string(),
                                       "--no-chroot", "--no-drop-root", "--no-rlimits"});
            reached = waitFor([] { return quietly("avahi-browse --terminate _ipp._tcp"); }, 5s);
            if (reached) {
                started_.push_back(avahi);
            } else {
                kill(avahi, SIGTERM);
                waitpid(avahi, nullptr, 0);
            }
        }
        EXPECT_TRUE(reached);
    }
    started_.push_back(startScheduler(root, ""));
    const fs::path socket = root / "cups.sock";
    const char* previous = std::getenv("CUPS_SERVER");
    previousServer_ = previous ? previous : "";
    setenv("CUPS_SERVER", socket.c_str(), 1);
    // Each job's document and attributes are kept in the printer's own folder, named by job id.
    writeText(root / "keep", "#!/bin/sh\nset -e\nfolder=\"$(dirname \"$0\")/jobs/$PRINTER\"\n"
                             "while [ -e \"$(dirname \"$0\")/pausa\" ]; do sleep 0.1; done\n"
                             "cp \"$1\" \"$folder/$IPP_JOB_ID.tmp\"\n"
                             "env | grep '^IPP_' > \"$folder/$IPP_JOB_ID.env\"\n"
                             "mv \"$folder/$IPP_JOB_ID.tmp\" \"$folder/$IPP_JOB_ID.pdf\"\n");
    fs::permissions(root / "keep", fs::perms::owner_all);
    for (const PrinterSpec& printer : printers) {
        fs::create_directories(jobFolder(printer.name));
        fs::create_directory(root / ("spool-" + printer.name));
        const int port = freePort();
        std::vector<std::string> arguments{"env",
                                           "PRINTER=" + printer.name,
                                           "ippeveprinter",
                                           "-p",
                                           std::to_string(port),
                                           "-d",
                                           (root / ("spool-" + printer.name)).string(),
                                           "-k",
                                           "-f",
                                           "application/pdf",
                                           "-c",
                                           (root / "keep").string()};
        if (printer.duplex)
            arguments.push_back("-2");
        arguments.push_back(printer.name);
        started_.push_back(spawn(arguments));
        EXPECT_TRUE(waitFor([port] { return answers(port); })) << printer.name;
        administer("lpadmin -p " + printer.name + " -E -v ipp://localhost:" + std::to_string(port) +
                   "/ipp/print -m everywhere");
    }
    administer("lpadmin -d " + printers.front().name);
    // lpadmin enables an everywhere queue once it has asked the printer: wait for it.
    for (const PrinterSpec& printer : printers)
        EXPECT_TRUE(waitFor(
            [&] { return quietly("lpstat -a " + printer.name + " | grep -q ' accepting'"); }));
}

CupsWorld::~CupsWorld() {
    for (auto pid = started_.rbegin(); pid != started_.rend(); ++pid) {
        kill(*pid, SIGTERM);
        waitpid(*pid, nullptr, 0);
    }
    if (previousServer_.empty())
        unsetenv("CUPS_SERVER");
    else
        setenv("CUPS_SERVER", previousServer_.c_str(), 1);
}

fs::path CupsWorld::jobFolder(const std::string& name) const {
    return folder_.path() / "jobs" / name;
}

std::vector<ReceivedJob> CupsWorld::jobs(const std::string& name) const {
    std::vector<std::pair<int, ReceivedJob>> found;
    for (const fs::directory_entry& entry : fs::directory_iterator(jobFolder(name))) {
        if (entry.path().extension() != ".pdf")
            continue;
        ReceivedJob job{entry.path(), {}};
        std::ifstream environment(fs::path(entry.path()).replace_extension(".env"));
        for (std::string line; std::getline(environment, line);) {
            // IPP_JOB_NAME=x stands for the attribute job-name.
            const auto equals = line.find('=');
            std::string attribute = line.substr(4, equals - 4);
            std::transform(attribute.begin(), attribute.end(), attribute.begin(),
                           [](char c) { return c == '_' ? '-' : std::tolower(c); });
            job.attributes[attribute] = line.substr(equals + 1);
        }
        found.emplace_back(std::stoi(entry.path().stem().string()), job);
    }
    std::sort(found.begin(), found.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<ReceivedJob> jobs;
    for (auto& [id, job] : found)
        jobs.push_back(std::move(job));
    return jobs;
}

std::vector<ReceivedJob> CupsWorld::waitForJobs(const std::string& name, std::size_t count) const {
    waitFor([&] { return jobs(name).size() >= count; }, 20s);
    return jobs(name);
}

void CupsWorld::administer(const std::string& command) const {
    EXPECT_TRUE(quietly(command)) << command;
}

void CupsWorld::settle() const {
    if (!waitFor([] { return quietly("test -z \"$(lpstat -o)\""); }, 10s))
        quietly("cancel -a");
}

void CupsWorld::pausePrinting(bool paused) const {
    if (paused)
        writeText(folder() / "pausa", "");
    else
        fs::remove(folder() / "pausa");
}

void CupsWorld::advertiseUnreachable(const std::string& name) {
    started_.push_back(spawn({"avahi-publish", "-s", "-H", "unreachable.local", name, "_ipp._tcp",
                              "631", "rp=ipp/print"}));
    EXPECT_TRUE(waitFor([&] {
        return quietly("avahi-browse --terminate --parsable _ipp._tcp | grep -q ';" + name + ";'");
    }));
}

RefusingScheduler::RefusingScheduler(const std::string& printer) {
    fs::create_directory(folder_.path() / "etc");
    writeText(folder_.path() / "etc/printers.conf",
              "<Printer " + printer +
                  ">\nDeviceURI ipp://127.0.0.1:9/ipp/print\nState Idle\nAccepting Yes\n"
                  "</Printer>\n");
    // Addresses can't refuse this machine, which CUPS always lets in: a user nobody is can.
    pid_ = startScheduler(folder_.path(), "<Policy default>\n"
                                          "<Limit CUPS-Add-Modify-Printer>\nAuthType Default\n"
                                          "Require user plicora-nessuno\nOrder deny,allow\n"
                                          "</Limit>\n"
                                          "<Limit All>\nOrder deny,allow\n</Limit>\n"
                                          "</Policy>\n");
}

RefusingScheduler::~RefusingScheduler() {
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
}

namespace {

// Whether a process whose command line names `folder` still runs: each the world starts names its
// folder. ("[/]" keeps the shell running pgrep from matching itself.)
bool runningIn(const fs::path& folder) {
    return quietly("pgrep -f '[/]" + folder.string().substr(1) + "'");
}

std::unique_ptr<CupsWorld> suiteWorld;

} // namespace

void CupsWorldEnvironment::SetUp() {
    suiteWorld = std::make_unique<CupsWorld>(
        std::vector<CupsWorld::PrinterSpec>{{duplexPrinter, true}, {oneSidedPrinter, false}});
}

void CupsWorldEnvironment::TearDown() {
    // Other worlds may run on the same machine meanwhile: only this one's processes count.
    const fs::path folder = suiteWorld->folder();
    suiteWorld.reset();
    EXPECT_FALSE(runningIn(folder)) << "a process of the CUPS world left running";
}

CupsWorld& CupsWorldEnvironment::world() {
    return *suiteWorld;
}

} // namespace plicora::testing
