#include "booklet_run.h"

#include "console/console.h"
#include "console/signals.h"
#include "core/core_messages.h"
#include "core/page_count.h"
#include "core/user_error.h"
#include "files/file_writer.h"
#include "imposition/imposition_messages.h"
#include "imposition/test_sheet.h"
#include "print_run.h"

#include <cstdio>
#include <cstdlib>

#include <sys/stat.h>
#include <unistd.h>

namespace plicora::engine {
namespace {

// Advice for a booklet too thick to fold as one: `sheets` sheets, and the signatures' size that
// folds well.
std::string signaturesAdviceNotice(int sheets, int proposed) {
    return "Consiglio: " + std::to_string(sheets) +
           " fogli piegati insieme non stanno piatti e i fogli interni sporgono (oltre " +
           std::to_string(thickStackSheets) + " fogli); con --fascicoli " +
           std::to_string(proposed) + " si piegano a gruppi di " + std::to_string(proposed) +
           " fogli";
}

// Whether `status` is the file standard output is open on.
bool isStandardOutput(const struct stat& status) {
    struct stat output {};
    return ::fstat(STDOUT_FILENO, &output) == 0 && output.st_dev == status.st_dev &&
           output.st_ino == status.st_ino;
}

// Whether `path` names standard output itself (/dev/stdout): the booklet goes there, not its name.
bool isStandardOutput(const std::string& path) {
    struct stat named {};
    return ::stat(path.c_str(), &named) == 0 && isStandardOutput(named);
}

// Whether standard output is the document's own file, however it was redirected (>, >>, 1<>):
// the booklet written there would destroy what it is made from.
bool documentIsStandardOutput(const BookletJob& job) {
    struct stat document {};
    const int found = job.document == standardInput ? ::fstat(STDIN_FILENO, &document)
                                                    : ::stat(job.document.c_str(), &document);
    return found == 0 && S_ISREG(document.st_mode) && isStandardOutput(document);
}

} // namespace

void limitReadingTime(const BookletJob& job) {
    const std::string prefix(job.bareMessages ? std::string_view() : errorLinePrefix);
    endAfter(readingTimeLimit,
             prefix + readingTooLongMessage(static_cast<int>(readingTimeLimit.count())) + "\n");
}

void liftReadingTimeLimit() {
    endAfter(std::chrono::seconds(0), {});
}

// Notices go to standard error, since standard output may be the booklet itself.
void printWarnings(const Booklet& booklet) {
    for (const std::string& warning : booklet.warnings())
        printErrorLine(warning);
}

std::unique_ptr<Booklet> openBooklet(const BookletJob& job, bool turnedBacks) {
    auto booklet =
        std::make_unique<Booklet>(job.document, job.mode,
                                  BookletOptions{.sheetsPerSignature = job.sheetsPerSignature,
                                                 .creep = job.creep,
                                                 .reversedBacks = job.reversedBacks,
                                                 .turnedBacks = turnedBacks,
                                                 .paper = job.paper,
                                                 .binding = job.binding});
    const PageCountCheck& check = booklet->check();
    const int pages = booklet->documentPages();
    const bool beforeBackCover = blanksBeforeBackCover(job.binding, pages, check.pageCount);
    if (check.adjusted)
        printErrorLine(roundingNotice(pages, check.pageCount, beforeBackCover));
    // A window gives the same advice in its own words, beside the field it is about.
    if (const auto proposed = signaturesAdvice(job.mode, pages, job.sheetsPerSignature);
        proposed && !job.bareMessages)
        printErrorLine(signaturesAdviceNotice(sheetCount(check.pageCount, job.mode), *proposed));
    if (check.adjusted && signatureCount(check.pageCount, job.mode, job.sheetsPerSignature) > 1)
        printErrorLine(beforeBackCover ? blanksBeforeBackCoverInLastSignatureMessage
                                       : blanksInLastSignatureMessage);
    return booklet;
}

Booklet::Progress progressLines(const BookletJob& job, const Booklet& booklet) {
    if (!job.progress)
        return {};
    return [total = int{booklet.check().pageCount}, last = -1](int percent) mutable {
        // Pages done, as far as the writer's per cent tells; one line for each change.
        const int done = percent * total / 100;
        if (done != last)
            printOut(progressLine({done, total}));
        last = done;
    };
}

void runBooklet(const BookletJob& job) {
    // Refused before a byte is read, so that the document stays as it was.
    if (job.output == standardOutput && !job.testSheet && documentIsStandardOutput(job))
        throw UserError(outputIsInputMessage);
    if (!job.printer.empty())
        printBooklet(job);
    limitReadingTime(job);
    const std::vector<std::string> paths = outputPaths(job);
    // The paths are told once the files are written and before they take the earlier ones'
    // place: a failure to tell them leaves the earlier files.
    const Report report = [&] {
        for (const std::string& path : paths)
            if (!isStandardOutput(path))
                printOut(job.bareMessages ? writtenLine(path) : path + "\n");
    };
    if (job.testSheet) {
        writeTestSheet(job.mode, sideSize(job.paper), paths[0], paths[1], report);
        std::_Exit(exitSuccess);
    }
    // Backs turned for a printer that turns the sheet on its long edge, or fed turned by hand.
    const bool turnedBacks = job.separate ? job.turnedBacks : job.edge == Edge::Long;
    const std::unique_ptr<Booklet> booklet = openBooklet(job, turnedBacks);
    const Booklet::Progress progress = progressLines(job, *booklet);
    try {
        if (job.output == standardOutput) // the booklet itself: nothing else goes there
            writeOutput(fileno(stdout), [&](std::FILE* out) { booklet->writeDuplex(out, {}); });
        else if (job.separate)
            booklet->writeSeparate(paths[0], paths[1], progress, report);
        else
            booklet->writeDuplex(paths[0], progress, report);
    } catch (const UserError&) {
        // What was repaired before the failure still helps to find what is wrong.
        printWarnings(*booklet);
        throw;
    }
    printWarnings(*booklet);
    std::_Exit(exitSuccess);
}

} // namespace plicora::engine
