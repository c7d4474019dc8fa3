#include "print_run.h"

#include "booklet_run.h"
#include "console/console.h"
#include "core/user_error.h"
#include "cups_destination.h"
#include "files/file_messages.h"
#include "imposition/test_sheet.h"
#include "print_messages.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <thread>

#include <unistd.h>

namespace plicora::engine {
namespace {

// How often a window's job is asked after, and for how long once it is printing: long enough
// for CUPS to say that the printer can't be reached.
constexpr std::chrono::milliseconds pollInterval(200);
constexpr int printingPolls = 10;

struct CloseFile {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
// A temporary file without a name: nothing is left of it, however the engine ends.
using TemporaryFile = std::unique_ptr<std::FILE, CloseFile>;

TemporaryFile temporaryFile() {
    TemporaryFile file(std::tmpfile());
    if (!file)
        throw UserError(writeFailedMessage);
    return file;
}

void flushed(std::FILE* file) {
    if (std::fflush(file) != 0)
        throw UserError(writeFailedMessage);
}

// The job's title in the printer's queue: the document's name.
std::string titleOf(const BookletJob& job) {
    if (job.testSheet)
        return "Foglio di prova";
    if (job.document == standardInput)
        return "Opuscolo";
    return std::filesystem::path(job.document).filename().string();
}

// Sends one PDF and tells of it: a window follows it until it prints, a terminal is told once
// CUPS has it.
void sendAndTell(CupsDestination& destination, const BookletJob& job, std::FILE* pdf,
                 const std::string& title, const char* sides, const char* what) {
    const int id = destination.send(pdf, title, mediaName(job.paper), sides, job.copies);
    if (!job.progress) {
        printOut(jobSentLine(job.printer, id, what) + "\n");
        return;
    }
    JobStatus status{id, JobState::Queued, job.printer};
    printOut(jobLine(status));
    try {
        for (int printing = 0; status.state != JobState::Printed && printing < printingPolls;) {
            std::this_thread::sleep_for(pollInterval);
            const JobStatus now = destination.status(id);
            if (now != status)
                printOut(jobLine(now));
            status = now;
            printing += status.state == JobState::Printing;
        }
    } catch (const UserError&) {
        // A job told as failed must not print later by surprise.
        destination.cancel(id);
        throw;
    }
}

// Waits for the user to put the printed fronts back; false when the backs are not wanted.
bool backsWanted(const BookletJob& job) {
    if (job.progress)
        printOut(std::string(backsAwaitedLine) + "\n");
    else
        printErrorLine(putTheStackBackPrompt);
    char line[64];
    if (!std::fgets(line, sizeof line, stdin))
        return false;
    return !job.progress || std::string_view(line) == std::string(continueLine) + "\n";
}

} // namespace

void printBooklet(const BookletJob& job) {
    CupsDestination destination(job.printer);
    const std::optional<PrintWay> way = printWay(job, destination.printer());
    if (!way)
        throw UserError(missingEdgeMessage(job.printer, job.edge == Edge::Short));
    const bool byHand = *way == PrintWay::ByHand;
    // Nobody to put the stack back: nothing is sent rather than the fronts alone.
    if (byHand && !job.progress && !isatty(STDIN_FILENO))
        throw UserError(oneSidedWithoutTerminalMessage(job.printer));
    const TemporaryFile fronts = temporaryFile(), backs = temporaryFile();
    limitReadingTime(job);
    if (job.testSheet) {
        writeTestSheet(job.mode, sideSize(job.paper), fronts.get(), backs.get());
    } else {
        const auto booklet =
            openBooklet(job, byHand ? job.turnedBacks : *way == PrintWay::LongEdge);
        const Booklet::Progress progress = progressLines(job, *booklet);
        if (byHand)
            booklet->writeSeparate(fronts.get(), backs.get(), progress);
        else
            booklet->writeDuplex(fronts.get(), progress);
        if (!job.output.empty()) {
            BookletJob files = job;
            files.separate = byHand;
            const std::vector<std::string> paths = outputPaths(files);
            if (byHand)
                booklet->writeSeparate(paths[0], paths[1]);
            else
                booklet->writeDuplex(paths[0]);
        }
        printWarnings(*booklet);
    }
    flushed(fronts.get());
    flushed(backs.get());
    // Sending and waiting for the stack to be put back take what they take.
    liftReadingTimeLimit();
    const std::string title = titleOf(job);
    if (!byHand) {
        const bool shortEdge = *way == PrintWay::ShortEdge;
        sendAndTell(destination, job, fronts.get(), title,
                    shortEdge ? "two-sided-short-edge" : "two-sided-long-edge",
                    shortEdge ? shortEdgeJobText : longEdgeJobText);
        std::_Exit(exitSuccess);
    }
    sendAndTell(destination, job, fronts.get(), title + " (fronti)", "one-sided", frontsJobText);
    if (!backsWanted(job))
        throw UserError(backsNotSentMessage);
    sendAndTell(destination, job, backs.get(), title + " (retri)", "one-sided", backsJobText);
    std::_Exit(exitSuccess);
}

void listPrinters() {
    for (const Printer& printer : cupsPrinters())
        printOut(printerLine(printer));
    std::_Exit(exitSuccess);
}

} // namespace plicora::engine
