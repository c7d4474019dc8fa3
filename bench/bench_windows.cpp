// What a user waits for, measured on the real windows: start-up of the real program to the first
// paint of its main window against a bare Qt program, on Xvfb and offscreen, and a press of
// Form3's button at 32,760 pages, from the click to the output box repainted, on Xvfb, as it
// fills up. Needs DISPLAY to name an X server (scripts/bench starts Xvfb).
#include "ui/application_setup.h"
#include "ui/calculator/calculator_form.h"

#include <QApplication>
#include <QEventLoop>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

constexpr int startUpRuns = 31; // of each program on each platform
constexpr int pressRuns = 7;    // of 50 presses, each in a fresh process
constexpr int pressesPerRun = 50;
constexpr std::array reportedPresses = {1, 10, 50};

struct Spread {
    double median, low, high; // median and interquartile range
};

Spread spread(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const auto at = [&values](double q) {
        return values[static_cast<std::size_t>(q * static_cast<double>(values.size() - 1) + 0.5)];
    };
    return {at(0.5), at(0.25), at(0.75)};
}

// `value` with `decimals` digits after the point, whatever the locale.
std::string fixed(double value, int decimals) {
    char text[32];
    const auto end =
        std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals).ptr;
    return std::string(text, end);
}

void print(const std::string& what, const Spread& s, const char* unit) {
    std::printf("%-44s %9s%s  (quartiles %s to %s)\n", what.c_str(), fixed(s.median, 3).c_str(),
                unit, fixed(s.low, 3).c_str(), fixed(s.high, 3).c_str());
}

double seconds(const timeval& t) {
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
}

struct Usage {
    double cpuMilliseconds;
    double peakKiB;
    std::string output;
};

// Runs `argv` with `extraEnvironment` added and waits for it; what it used, as the kernel counts
// it.
Usage run(std::vector<std::string> argv, const std::vector<std::string>& extraEnvironment) {
    std::vector<char*> args;
    for (std::string& arg : argv)
        args.push_back(arg.data());
    args.push_back(nullptr);
    std::vector<std::string> environment(extraEnvironment);
    for (char** entry = environ; *entry; ++entry)
        if (std::strncmp(*entry, "QT_QPA_PLATFORM=", 16) != 0)
            environment.emplace_back(*entry);
    std::vector<char*> envp;
    for (std::string& entry : environment)
        envp.push_back(entry.data());
    envp.push_back(nullptr);

    int report[2];
    if (pipe(report) != 0)
        std::exit(1);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, report[1], STDOUT_FILENO);
    pid_t pid = 0;
    if (posix_spawn(&pid, args[0], &actions, nullptr, args.data(), envp.data()) != 0) {
        std::fprintf(stderr, "cannot start %s\n", args[0]);
        std::exit(1);
    }
    posix_spawn_file_actions_destroy(&actions);
    close(report[1]);
    std::string output;
    char buffer[256];
    for (ssize_t n; (n = read(report[0], buffer, sizeof buffer)) > 0;)
        output.append(buffer, static_cast<std::size_t>(n));
    close(report[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s failed\n", args[0]);
        std::exit(1);
    }
    return {1000 * (seconds(usage.ru_utime) + seconds(usage.ru_stime)),
            static_cast<double>(usage.ru_maxrss), output};
}

// The real program and the bare one, alternating, each ended at its first paint.
void benchmarkStartUp(const char* platform) {
    const std::vector<std::string> environment = {std::string("QT_QPA_PLATFORM=") + platform,
                                                  "LD_PRELOAD=" EXIT_AT_FIRST_PAINT};
    std::vector<double> cpu[2], peak[2], cpuRatio, peakRatio;
    const char* const programs[2] = {PLICORA_PROGRAM, BARE_WINDOW_PROGRAM};
    for (int i = 0; i < startUpRuns; ++i) {
        Usage usage[2];
        for (int p = 0; p < 2; ++p) {
            usage[p] = run({programs[p]}, environment);
            cpu[p].push_back(usage[p].cpuMilliseconds);
            peak[p].push_back(usage[p].peakKiB / 1024);
        }
        cpuRatio.push_back(usage[0].cpuMilliseconds / usage[1].cpuMilliseconds);
        peakRatio.push_back(usage[0].peakKiB / usage[1].peakKiB);
    }
    std::printf("start-up to the first paint, %s:\n", platform);
    print("  CPU, Plicora", spread(cpu[0]), " ms");
    print("  CPU, bare window", spread(cpu[1]), " ms");
    print("  CPU, ratio", spread(cpuRatio), "");
    print("  peak memory, Plicora", spread(peak[0]), " MiB");
    print("  peak memory, bare window", spread(peak[1]), " MiB");
    print("  peak memory, ratio", spread(peakRatio), "");
}

double cpuMilliseconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

double residentKiB() {
    std::ifstream statm("/proc/self/statm");
    long size = 0, resident = 0;
    statm >> size >> resident;
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / 1024;
}

// Counts the paint events of a widget.
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// In a process of its own: 50 presses in Form3, printing the CPU time of the reported ones and
// the memory each press took on average after the first.
int pressChild(int argc, char* argv[]) {
    QApplication app(argc, argv);
    plicora::setUpApplication();
    plicora::CalculatorForm form(plicora::eightUpCalculator());
    auto* stampa = form.findChild<QPlainTextEdit*>(QStringLiteral("Stampa"));
    PaintCounter counter;
    stampa->viewport()->installEventFilter(&counter);
    const auto waitForPaint = [&counter] {
        const int before = counter.paints;
        while (counter.paints == before)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    };
    form.show();
    waitForPaint();
    // A user clicks once the window is drawn and idle.
    QEventLoop idle;
    QTimer::singleShot(300, &idle, &QEventLoop::quit);
    idle.exec();
    form.findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QStringLiteral("32760"));
    auto* button = form.findChild<QPushButton*>(QStringLiteral("Command1"));
    double afterFirst = 0;
    for (int press = 1; press <= pressesPerRun; ++press) {
        const double start = cpuMilliseconds();
        button->click();
        waitForPaint();
        QCoreApplication::processEvents(); // what the repaint left, flushing included
        const double cpu = cpuMilliseconds() - start;
        if (std::find(reportedPresses.begin(), reportedPresses.end(), press) !=
            reportedPresses.end())
            std::printf("%lld ", std::llround(cpu * 1000)); // microseconds
        if (press == 1)
            afterFirst = residentKiB();
    }
    std::printf("%lld\n", std::llround((residentKiB() - afterFirst) / (pressesPerRun - 1))); // KiB
    return 0;
}

void benchmarkPresses(const char* self) {
    std::vector<double> figures[reportedPresses.size() + 1];
    for (int i = 0; i < pressRuns; ++i) {
        const Usage usage = run({self, "--presses"}, {"QT_QPA_PLATFORM=xcb"});
        const char* text = usage.output.data();
        const char* const end = text + usage.output.size();
        for (std::size_t f = 0; f < std::size(figures); ++f) {
            long long value = 0;
            text = std::from_chars(text, end, value).ptr + 1;
            // microseconds to ms; the last, KiB to MB
            figures[f].push_back(static_cast<double>(value) *
                                 (f < reportedPresses.size() ? 1e-3 : 1.024e-3));
        }
    }
    std::printf("eight-up press, 32760 pages, click to the box repainted, Xvfb:\n");
    for (std::size_t i = 0; i < reportedPresses.size(); ++i) {
        print("  CPU, press " + std::to_string(reportedPresses[i]), spread(figures[i]), " ms");
    }
    print("  memory per press, 2nd to 50th", spread(figures[reportedPresses.size()]), " MB");
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc == 2 && std::strcmp(argv[1], "--presses") == 0)
        return pressChild(argc, argv);
    if (!std::getenv("DISPLAY")) {
        std::fprintf(stderr,
                     "bench_windows needs an X server in DISPLAY (scripts/bench starts Xvfb)\n");
        return 1;
    }
    benchmarkStartUp("xcb");
    benchmarkStartUp("offscreen");
    benchmarkPresses(argv[0]);
    return 0;
}
