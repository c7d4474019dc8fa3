// Printing against the tests' private CUPS world (its own cupsd, ippeveprinter printers, loopback
// only), each figure with its baseline in the same run: the printer list with unreachable printers
// announced against `lpstat -e`, describing one of them against a reachable queue, how long a
// silent scheduler takes to be said, and a 60-page document from `lp` to the real printer through
// plicora-stampante against `lp` straight to that printer. Medians with their spread; every
// command is a child process, and everything started is stopped before the end.
#include "cups_world.h"
#include "test_support.h"

#include "engine/engine_protocol.h"
#include "tools/numbered_pdf/numbered_pdf.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

extern char** environ;

namespace fs = std::filesystem;
using namespace plicora::testing;
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int runs = 7;
constexpr auto silentBound = 30s;

// What a child run gave: the seconds until it ended (or said `awaited`), whether it did so
// within the bound, its exit status (-1 when it was stopped) and all it wrote.
struct Timed {
    double seconds = 0;
    bool inTime = false;
    int status = -1;
    std::string output;
};

// This process's environment with `extra` ("NAME=value") in place of what it names.
std::vector<std::string> environmentWith(const std::vector<std::string>& extra) {
    std::vector<std::string> environment;
    for (char** variable = environ; *variable; ++variable) {
        const std::string_view text = *variable;
        if (std::none_of(extra.begin(), extra.end(), [&](const std::string& e) {
                return text.starts_with(std::string_view(e).substr(0, e.find('=') + 1));
            }))
            environment.emplace_back(text);
    }
    environment.insert(environment.end(), extra.begin(), extra.end());
    return environment;
}

// The null-ended list of pointers execve takes, into `texts`.
std::vector<char*> pointers(std::vector<std::string>& texts) {
    std::vector<char*> result;
    for (std::string& text : texts)
        result.push_back(text.data());
    result.push_back(nullptr);
    return result;
}

// Runs `argv` with stdout and stderr on one pipe and `extra` in its environment, and times it
// until it ends or, with `awaited`, until its output holds that text; past `limit`, or once it
// has said `awaited`, it is killed.
Timed timed(std::vector<std::string> argv, const std::vector<std::string>& extra = {},
            const std::string& awaited = {}, std::chrono::milliseconds limit = 60s) {
    std::vector<std::string> environment = environmentWith(extra);
    const std::vector<char*> args = pointers(argv), envp = pointers(environment);
    int ends[2];
    if (pipe2(ends, O_CLOEXEC) != 0)
        return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, ends[1], 1);
    posix_spawn_file_actions_adddup2(&actions, ends[1], 2);
    Timed run;
    const auto start = Clock::now(), end = start + limit;
    pid_t child = 0;
    const bool spawned =
        posix_spawnp(&child, args[0], &actions, nullptr, args.data(), envp.data()) == 0;
    posix_spawn_file_actions_destroy(&actions);
    close(ends[1]);
    bool said = false, ended = false;
    for (char buffer[4096]; spawned && !said && !ended && Clock::now() < end;) {
        pollfd readable{ends[0], POLLIN, 0};
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now());
        if (poll(&readable, 1, static_cast<int>(left.count()) + 1) <= 0)
            continue;
        const ssize_t got = read(ends[0], buffer, sizeof buffer);
        ended = got <= 0; // every writer has gone: the child has ended
        if (!ended)
            run.output.append(buffer, static_cast<std::size_t>(got));
        said = !awaited.empty() && run.output.find(awaited) != std::string::npos;
    }
    run.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    close(ends[0]);
    if (!spawned)
        return run;
    if (!ended)
        kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    if (WIFEXITED(status))
        run.status = WEXITSTATUS(status);
    run.inTime = awaited.empty() ? ended : said;
    return run;
}

std::string fixed(double value, int decimals) {
    char text[32];
    const auto end =
        std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals).ptr;
    return std::string(text, end);
}

// The median of `seconds` and its text, "median s (min-max)".
std::pair<double, std::string> summary(std::vector<double> seconds) {
    std::sort(seconds.begin(), seconds.end());
    const double median = seconds[seconds.size() / 2];
    return {median, fixed(median, 2) + " s (" + fixed(seconds.front(), 2) + "-" +
                        fixed(seconds.back(), 2) + ")"};
}

void print(const std::string& line) {
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fflush(stdout);
}

// One figure against its baseline, both timed `runs` times, alternating; false (after saying
// why) when a run failed.
bool compare(const std::string& what, const std::string& oursName,
             const std::function<Timed()>& ours, const std::string& theirsName,
             const std::function<Timed()>& theirs) {
    std::vector<double> a, b;
    const auto once = [&](const std::function<Timed()>& measure, std::vector<double>& into,
                          const std::string& name) {
        const Timed result = measure();
        if (!result.inTime)
            print("  " + what + ": " + name + " failed (status " + std::to_string(result.status) +
                  "): " + result.output + "\n");
        into.push_back(result.seconds);
        return result.inTime;
    };
    for (int run = 0; run < runs; ++run)
        if (!once(ours, a, oursName) || !once(theirs, b, theirsName))
            return false;
    const auto [ourMedian, ourText] = summary(a);
    const auto [theirMedian, theirText] = summary(b);
    print("  " + what + ": " + oursName + " " + ourText + ", " + theirsName + " " + theirText +
          ", ratio " + fixed(ourMedian / theirMedian, 2) + "\n");
    return true;
}

// Times `command` until its output holds `awaited`, or until it ends when that is empty.
std::function<Timed()> command(std::vector<std::string> argv, std::vector<std::string> extra = {},
                               std::string awaited = {}, std::chrono::milliseconds limit = 60s) {
    return [=] {
        Timed run = timed(argv, extra, awaited, limit);
        run.inTime = run.inTime && (!awaited.empty() || run.status == 0);
        return run;
    };
}

// a. The printer list with three printers announced that can't be reached.
bool listing(CupsWorld& world) {
    for (const char* name : {"Lontana1", "Lontana2", "Lontana3"})
        world.advertiseUnreachable(name);
    return compare("printer list, 3 unreachable printers announced", "plicora stampanti",
                   command({PLICORA_EXECUTABLE, "stampanti"}), "lpstat -e",
                   command({"lpstat", "-e"}));
}

// b. Choosing an unreachable printer: the engine asks it what it can do until it says it doesn't
// answer ("non risponde", encoded for the window: one word is safe to look for), against
// describing a queue that answers.
bool describing() {
    const std::string option(plicora::engine::describePrinterOption);
    return compare("an unreachable printer chosen (plicora-opuscolo " + option + ")", "Lontana1",
                   command({PLICORA_ENGINE, option, "Lontana1"}, {}, "risponde"),
                   std::string(duplexPrinter), command({PLICORA_ENGINE, option, duplexPrinter}));
}

// c. A scheduler that accepts and never answers, a new one each run. lpstat has no bound of its
// own there (minutes), so the bound is the only baseline.
bool silentScheduler() {
    const std::string awaited = "CUPS non risponde";
    std::vector<double> seconds;
    for (int run = 0; run < runs; ++run) {
        const SilentScheduler silent;
        const Timed result = command({PLICORA_EXECUTABLE, "stampanti"},
                                     {"CUPS_SERVER=" + silent.address()}, awaited, silentBound)();
        if (!result.inTime) {
            print("  silent scheduler: no \"" + awaited + "\" within 30 s: " + result.output +
                  "\n");
            return false;
        }
        seconds.push_back(result.seconds);
    }
    print("  silent scheduler until plicora stampanti says \"" + awaited +
          "\": " + summary(seconds).second + ", bound 30 s\n");
    return true;
}

// The time from `lp -d QUEUE ... document` until the real printer holds one job more, looked
// for every 10 ms for at most 20 s; a job that arrives with other than `pages` pages fails.
std::function<Timed()> toRealPrinter(const CupsWorld& world, std::vector<std::string> lp,
                                     int pages) {
    return [&world, lp, pages] {
        const std::size_t before = world.jobs(duplexPrinter).size();
        const auto start = Clock::now();
        Timed run = timed(lp);
        bool arrived = false;
        while (run.status == 0 && !arrived && Clock::now() - start < 20s) {
            arrived = world.jobs(duplexPrinter).size() > before;
            if (!arrived)
                std::this_thread::sleep_for(10ms);
        }
        run.seconds = std::chrono::duration<double>(Clock::now() - start).count();
        if (arrived) {
            const Timed count =
                timed({"qpdf", "--show-npages", world.jobs(duplexPrinter).back().document});
            run.inTime = count.output == std::to_string(pages) + "\n";
            run.output += "received " + count.output;
        }
        world.settle();
        return run;
    };
}

// plicora-stampante on a free loopback port with a folder of its own, stopped by SIGTERM; without
// a desktop session, so that a job goes straight to the printer rather than to a window.
class BookletPrinter {
public:
    BookletPrinter()
        : pid_(startLogged({"env", "-u", "DISPLAY", "-u", "WAYLAND_DISPLAY",
                            PLICORA_PRINTER_EXECUTABLE, "--porta", std::to_string(freePort()),
                            "--cartella", folder_.path().string()},
                           log())) {}
    ~BookletPrinter() {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            waitpid(pid_, nullptr, 0);
        }
        quietly("lpadmin -x " + queue());
    }
    BookletPrinter(const BookletPrinter&) = delete;
    BookletPrinter& operator=(const BookletPrinter&) = delete;

    // Whether its queue for the real printer is there and accepting, within 20 s.
    bool ready() const {
        return pid_ > 0 && waitFor(
                               [&] {
                                   return quietly("lpstat -a " + queue() +
                                                  " 2>/dev/null | grep -q ' accepting'");
                               },
                               20s);
    }
    static std::string queue() { return std::string("Opuscolo-") + duplexPrinter; }
    fs::path log() const { return folder_.path() / "stampante.log"; }

private:
    TemporaryDirectory folder_; // before pid_: the program is started in it
    pid_t pid_;
};

// d. 60 pages through the booklet printer against the same PDF sent straight to the printer.
bool sixtyPages(const CupsWorld& world, const fs::path& folder) {
    const BookletPrinter printer;
    if (!printer.ready()) {
        print("  plicora-stampante made no queue: " + readFile(printer.log()) + "\n");
        return false;
    }
    // A5 pages: the booklet printer's A5 makes the real printer's A4 sheet, and lp straight
    // sends the same pages unchanged.
    const std::string document = (folder / "sessanta.pdf").string();
    plicora::writeNumberedPdf(document, std::vector<plicora::NumberedPage>(60, {420, 595}));
    return compare("60 A5 pages from lp to the real printer",
                   "lp -d " + BookletPrinter::queue() + " (booklet, 30 sides)",
                   toRealPrinter(world,
                                 {"lp", "-d", BookletPrinter::queue(), "-o",
                                  "media=iso_a5_148x210mm", document},
                                 30),
                   "lp -d " + std::string(duplexPrinter) + " (as is)",
                   toRealPrinter(world, {"lp", "-d", duplexPrinter, document}, 60));
}

} // namespace

int main() {
    const TemporaryDirectory folder;
    CupsWorld world({{duplexPrinter, true}});
    if (!quietly("lpstat -a " + std::string(duplexPrinter) + " | grep -q ' accepting'")) {
        print("the private CUPS world did not start\n");
        return 1;
    }
    print("printing on a private CUPS world (loopback only), " + std::to_string(runs) +
          " runs each: median (min-max)\n");
    const bool done =
        listing(world) && describing() && silentScheduler() && sixtyPages(world, folder.path());
    return done ? 0 : 1;
}
