// The booklet PDF against its floor: `plicora opuscolo` and qpdf writing the same pages in the
// same order without imposition, both run as child processes, alternating, in the same run. Wall
// time, CPU time and peak memory, as medians with their spread. The floor is
// `qpdf --empty --pages IN ORDER -- OUT`: qpdf 11.3 takes minutes over `qpdf IN --pages IN ORDER
// -- OUT` at 32,760 pages, as it removes the input's own pages one by one, so the faster form is
// the fairer and stricter floor.
#include "core/sheet_sides.h"
#include "tools/numbered_pdf/numbered_pdf.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

extern char** environ;

namespace fs = std::filesystem;

namespace {

struct Measure {
    double wallMs, cpuMs, peakMiB;
};

// Runs `argv` and waits for it; its own CPU time and peak resident memory come from wait4.
Measure runChild(const std::vector<std::string>& argv) {
    std::vector<char*> args;
    for (const std::string& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    int status = -1;
    rusage usage{};
    if (posix_spawnp(&child, args[0], &actions, nullptr, args.data(), environ) != 0 ||
        wait4(child, &status, 0, &usage) != child || status != 0) {
        std::fprintf(stderr, "%s failed\n", args[0]);
        std::exit(1);
    }
    const std::chrono::duration<double, std::milli> wall = std::chrono::steady_clock::now() - start;
    posix_spawn_file_actions_destroy(&actions);
    const auto ms = [](const timeval& t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
    return {wall.count(), ms(usage.ru_utime) + ms(usage.ru_stime), usage.ru_maxrss / 1024.0};
}

// Runs `make` in a child process. A process that made a large document keeps a high mark of
// resident memory, and every program it starts afterwards reports that mark as its own peak.
void inChild(const std::function<void()>& make) {
    const pid_t child = fork();
    if (child == 0) {
        make();
        _exit(0); // a forked child leaves the parent's buffers and destructors alone
    }
    int status = -1;
    if (waitpid(child, &status, 0) != child || status != 0) {
        std::fprintf(stderr, "making a document failed\n");
        std::exit(1);
    }
}

std::string fixed(double value, int decimals) {
    char text[32];
    const auto end =
        std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals).ptr;
    return std::string(text, end);
}

// "median (min-max)" of one figure over the runs.
std::pair<double, std::string> summary(std::vector<double> values, int decimals) {
    std::sort(values.begin(), values.end());
    const double median = values[values.size() / 2];
    return {median, fixed(median, decimals) + " (" + fixed(values.front(), decimals) + "-" +
                        fixed(values.back(), decimals) + ")"};
}

// The page order of the duplex booklet: sheet 1 front, sheet 1 back, sheet 2 front...
std::string duplexOrder(plicora::Mode mode, int pages, const plicora::Binding& binding) {
    const auto count = static_cast<plicora::Page>(pages);
    std::string order;
    for (const plicora::Sheet& sheet :
         plicora::sheetSides(mode, count, 0, pages, 0, binding).sheets)
        for (const plicora::SheetSide* side : {&sheet.front, &sheet.back})
            for (int cell = 0; cell < side->cells; ++cell)
                order += (order.empty() ? "" : ",") + std::to_string(side->pages[cell]);
    return order;
}

void print(const std::string& line) {
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fflush(stdout);
}

// The booklet of `pages` pages made with `options` (a paper and a binding, or none) against
// qpdf writing its pages in the booklet's order.
void compare(const fs::path& dir, plicora::Mode mode, int pages, int runs,
             const std::vector<std::string>& options = {}, const plicora::Binding& binding = {}) {
    const std::string modeText = mode == plicora::Mode::FourUp ? "4" : "8";
    const std::string input = dir / ("testo" + std::to_string(pages) + ".pdf");
    inChild(
        [&] { plicora::writeNumberedPdf(input, std::vector<plicora::NumberedPage>(pages), 50); });
    // qpdf reads its arguments from a file: the order is longer than one argument may be.
    const std::string arguments = dir / "qpdf-arguments";
    std::ofstream(arguments) << "--empty\n--pages\n"
                             << input << "\n"
                             << duplexOrder(mode, pages, binding) << "\n--\n"
                             << (dir / "floor.pdf").string() << "\n";
    std::vector<Measure> program, floor;
    for (int run = 0; run < runs; ++run) {
        std::vector<std::string> command{
            PLICORA_EXECUTABLE, "opuscolo", "--modo", modeText, input, "-o", dir / "opuscolo.pdf"};
        command.insert(command.end(), options.begin(), options.end());
        program.push_back(runChild(command));
        floor.push_back(runChild({"qpdf", "@" + arguments}));
    }
    std::string given;
    for (const std::string& option : options)
        given += " " + option;
    print(modeText + "-up" + given + ", " + std::to_string(pages) + " pages of text (" +
          fixed(fs::file_size(input) / 1048576.0, 1) + " MB), " + std::to_string(runs) +
          " runs each: median (min-max)\n");
    const auto figure = [&](const char* name, double Measure::*field, int decimals) {
        std::vector<double> ours, theirs;
        for (std::size_t i = 0; i < program.size(); ++i) {
            ours.push_back(program[i].*field);
            theirs.push_back(floor[i].*field);
        }
        const auto [a, aText] = summary(ours, decimals);
        const auto [b, bText] = summary(theirs, decimals);
        print(std::string("  ") + name + ": plicora " + aText + ", qpdf " + bText + ", ratio " +
              fixed(a / b, 2) + "\n");
    };
    figure("wall time, ms", &Measure::wallMs, 0);
    figure("CPU time, ms ", &Measure::cpuMs, 0);
    figure("peak memory, MiB", &Measure::peakMiB, 1);
    print("  size: input " + fixed(fs::file_size(input) / 1048576.0, 2) + " MB, booklet " +
          fixed(fs::file_size(dir / "opuscolo.pdf") / 1048576.0, 2) + " MB, ratio " +
          fixed(static_cast<double>(fs::file_size(dir / "opuscolo.pdf")) /
                    static_cast<double>(fs::file_size(input)),
                3) +
          "\n");
}

// A small document whose content inflates to gigabytes: the booklet must stay within bounded
// memory and not grow.
void inflating(const fs::path& dir) {
    const std::string input = dir / "gonfio.pdf", output = dir / "gonfio-opuscolo.pdf";
    constexpr std::size_t padding = std::size_t{1} << 30;
    inChild([&] {
        plicora::writeNumberedPdf(input, std::vector<plicora::NumberedPage>(1), 0, padding);
    });
    const Measure run =
        runChild({PLICORA_EXECUTABLE, "opuscolo", "--modo", "4", input, "-o", output});
    print("one page between two streams inflating to 1 GiB each (" +
          fixed(fs::file_size(input) / 1048576.0, 1) + " MB): wall " + fixed(run.wallMs, 0) +
          " ms, CPU " + fixed(run.cpuMs, 0) + " ms, peak memory " + fixed(run.peakMiB, 1) +
          " MiB, booklet " + fixed(fs::file_size(output) / 1048576.0, 1) + " MB\n");
}

} // namespace

int main() {
    const fs::path dir = fs::temp_directory_path() / "plicora-bench-booklet";
    fs::create_directories(dir);
    compare(dir, plicora::Mode::FourUp, 2000, 7);
    compare(dir, plicora::Mode::FourUp, 2000, 7,
            {"--carta", "A3", "--da-destra", "--quarta-di-copertina"},
            {.rightToLeft = true, .backCoverLast = true});
    compare(dir, plicora::Mode::EightUp, 32760, 3);
    inflating(dir);
    fs::remove_all(dir);
}
