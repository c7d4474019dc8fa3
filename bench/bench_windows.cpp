// What a user waits for in the real windows, on Qt's offscreen platform: a press of Command1 at
// the largest page counts, and the start-up time and peak memory of the program against a bare
// Qt Widgets window started the same way in the same run.
#include "ui/calculator_form.h"
#include "ui/fonts.h"
#include "ui/form1.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Milliseconds from the press to the listing shown in Stampa.
double pressMilliseconds(plicora::CalculatorForm& form, const char* pageCount) {
    form.findChild<QLineEdit*>("Text1")->setText(QString::fromLatin1(pageCount));
    QElapsedTimer timer;
    timer.start();
    form.findChild<QPushButton*>("Command1")->click();
    QCoreApplication::processEvents(); // the repaint
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

void benchmarkPresses() {
    plicora::CalculatorForm fourUp(plicora::fourUpCalculator());
    fourUp.show();
    std::vector<double> times;
    for (int i = 0; i < 11; ++i)
        times.push_back(pressMilliseconds(fourUp, "2000"));
    std::printf("press, four-up, 2000 pages:                      %7.2f ms\n", median(times));

    times.clear();
    for (int i = 0; i < 11; ++i) {
        plicora::CalculatorForm eightUp(plicora::eightUpCalculator());
        eightUp.show();
        times.push_back(pressMilliseconds(eightUp, "32760"));
    }
    std::printf("press, eight-up, 32760 pages, empty box:          %7.2f ms\n", median(times));

    plicora::CalculatorForm eightUp(plicora::eightUpCalculator());
    eightUp.show();
    const auto* stampa = eightUp.findChild<QPlainTextEdit*>("Stampa");
    while (stampa->document()->characterCount() < 2'000'000)
        pressMilliseconds(eightUp, "32760");
    times.clear();
    for (int i = 0; i < 5; ++i)
        times.push_back(pressMilliseconds(eightUp, "32760"));
    std::printf("press, eight-up, 32760 pages, box of 2 MB or more: %6.2f ms\n", median(times));
}

struct Run {
    double milliseconds;
    long peakKiB;
};

// Starts this program again to show one window and quit; it reports its own peak memory.
Run runChild(const char* program, const char* window) {
    char childFlag[] = "--child";
    std::vector<char> windowArg(window, window + std::strlen(window) + 1);
    char* argv[] = {const_cast<char*>(program), childFlag, windowArg.data(), nullptr};
    int report[2];
    if (pipe(report) != 0)
        return {0, 0};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, report[1], STDOUT_FILENO);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const bool spawned = posix_spawn(&pid, program, &actions, nullptr, argv, environ) == 0;
    posix_spawn_file_actions_destroy(&actions);
    close(report[1]);
    if (spawned)
        waitpid(pid, nullptr, 0);
    const std::chrono::duration<double, std::milli> elapsed =
        std::chrono::steady_clock::now() - start;
    char text[32] = {};
    const ssize_t length = read(report[0], text, sizeof text - 1);
    close(report[0]);
    return {elapsed.count(), length > 0 ? std::atol(text) : 0};
}

// This process's peak resident memory in KiB, as the kernel counts it.
long peakKiB() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stol(line.substr(6));
    return 0;
}

void benchmarkStartUp(const char* program) {
    std::vector<double> times[2], peaks[2];
    const char* windows[2] = {"plicora", "bare"};
    for (int i = 0; i < 15; ++i) {
        for (int w = 0; w < 2; ++w) {
            const Run run = runChild(program, windows[w]);
            times[w].push_back(run.milliseconds);
            peaks[w].push_back(static_cast<double>(run.peakKiB));
        }
    }
    const double time[2] = {median(times[0]), median(times[1])};
    const double peak[2] = {median(peaks[0]), median(peaks[1])};
    std::printf("start-up to the window shown: Plicora %.1f ms, bare window %.1f ms, ratio %.2f\n",
                time[0], time[1], time[0] / time[1]);
    std::printf(
        "peak memory:                  Plicora %.0f KiB, bare window %.0f KiB, ratio %.2f\n",
        peak[0], peak[1], peak[0] / peak[1]);
}

// Shows Form1, as the program does, or a bare window, and quits once the event loop runs.
int showOneWindow(int argc, char* argv[], bool plicora) {
    QApplication app(argc, argv);
    std::unique_ptr<QWidget> window;
    if (plicora) {
        plicora::installFontSubstitutes();
        window = std::make_unique<plicora::Form1>();
    } else {
        window = std::make_unique<QWidget>();
        window->setWindowTitle(QStringLiteral("Plicora"));
    }
    window->show();
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    const int status = QApplication::exec();
    std::printf("%ld\n", peakKiB());
    return status;
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc == 3 && std::strcmp(argv[1], "--child") == 0)
        return showOneWindow(argc, argv, std::strcmp(argv[2], "plicora") == 0);
    {
        QApplication app(argc, argv);
        plicora::installFontSubstitutes();
        benchmarkPresses();
    }
    benchmarkStartUp(argv[0]);
    return 0;
}
