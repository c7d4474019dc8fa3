#include "print_run.h"

#include "booklet_opening.h"
#include "console/console.h"
#include "core/printer_paper.h"
#include "core/user_error.h"
#include "cups_destination.h"
#include "files/file_messages.h"
#include "imposition/test_sheet.h"
#include "print_messages.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
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

using Clock = std::chrono::steady_clock;

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

// Follows job `status` for a window until it is printed, has been printing for a moment, is
// held, or has not changed for jobFollowSeconds: a job waiting behind a stuck one is left to
// CUPS, told where it is.
void follow(CupsDestination& destination, JobStatus status) {
    printOut(jobLine(status));
    auto changed = Clock::now();
    for (int printing = 0; status.state != JobState::Printed && status.state != JobState::Held &&
                           printing < printingPolls &&
                           Clock::now() - changed < std::chrono::seconds(jobFollowSeconds);) {
        std::this_thread::sleep_for(pollInterval);
        const JobStatus now = destination.status(status.id);
        if (now != status) {
            printOut(jobLine(now));
            changed = Clock::now();
        }
        status = now;
        printing += status.state == JobState::Printing;
    }
}

// Sends one PDF of `job` (on job.paper) and tells of it: a window follows it, a terminal is told
// once CUPS has it, and why it waits when CUPS holds it or other jobs are ahead of it.
void sendAndTell(CupsDestination& destination, const BookletJob& job, std::FILE* pdf,
                 const std::string& title, const char* sides, const char* what) {
    const int id = destination.send(pdf, title, mediaName(job.paper), sides, job.copies);
    try {
        if (job.progress) {
            follow(destination, {id, JobState::Queued, job.printer});
            return;
        }
        printOut(jobSentLine(job.printer, id, what, paperText(job.paper)) + "\n");
        const JobStatus status = destination.status(id);
        if (status.state == JobState::Held)
            printErrorLine(heldJobMessage(job.printer, id, status.message));
        else if (const int ahead = status.state == JobState::Queued ? destination.jobsAhead(id) : 0)
            printErrorLine(queuedJobMessage(job.printer, id, ahead, status.message));
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
        printErrorLine(job.reversedBacks || job.turnedBacks ? putTheStackBackAfterTestPrompt
                                                            : putTheStackBackPrompt);
    char line[64];
    if (!std::fgets(line, sizeof line, stdin))
        return false;
    return !job.progress || std::string_view(line) == std::string(continueLine) + "\n";
}

} // namespace

int printBooklet(const BookletJob& asked) {
    CupsDestination destination(asked.printer);
    const Printer& printer = destination.printer();
    BookletJob job = asked;
    if (job.printerPaper)
        job.paper = printerDefaultPaper(printer).value_or(job.paper);
    if (!printerTakesPaper(printer, job.paper))
        throw UserError(paperNotOnPrinterMessage(job.printer, paperText(job.paper),
                                                 printerPaperNames(printer)));
    // Nothing of a page falls where the printer can't print.
    job.margin = std::max(job.margin, destination.margin(job.paper));
    if (job.testSheet && (printer.shortEdge || printer.longEdge))
        throw UserError(testSheetNotNeededMessage(job.printer));
    const std::optional<PrintWay> way = printWay(job, printer);
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
        return exitSuccess;
    }
    sendAndTell(destination, job, fronts.get(), title + " (fronti)", "one-sided", frontsJobText);
    if (!backsWanted(job))
        throw UserError(backsNotSentMessage);
    sendAndTell(destination, job, backs.get(), title + " (retri)", "one-sided", backsJobText);
    return exitSuccess;
}

int listPrinters() {
    for (const Printer& printer : cupsPrinters())
        printOut(printerLine(printer));
    return exitSuccess;
}

int describePrinter(const char* name) {
    printOut(printerLine(CupsDestination(name).printer()));
    return exitSuccess;
}

int listPrintersText() {
    for (const Printer& printer : cupsPrinters()) {
        std::string plan = unknownPlanText, paper = unknownPaperText;
        if (printer.known) {
            switch (*printWay({}, printer)) {
            case PrintWay::ShortEdge:
                plan = shortEdgeJobText;
                break;
            case PrintWay::LongEdge:
                plan = longEdgeJobText;
                break;
            case PrintWay::ByHand:
                plan = byHandPlanText;
                break;
            }
            const auto named = printerDefaultPaper(printer);
            paper = paperOnPrinterText(named ? paperText(*named) : printer.defaultMedia);
        }
        printOut(printerListLine(printer.name, printer.isDefault, plan, paper) + "\n");
    }
    return exitSuccess;
}

} // namespace plicora::engine
