#include "booklet_run.h"

#include "core/core_messages.h"
#include "core/user_error.h"
#include "files/file_writer.h"
#include "imposition/imposition_messages.h"
#include "imposition/test_sheet.h"
#include "print_run.h"

#include <cstdio>
#include <cstdlib>

namespace plicora::engine {
namespace {

// A notice for the user, on standard error, since standard output may be the booklet itself.
void printNotice(const std::string& line) {
    std::fprintf(stderr, "%s\n", line.c_str());
}

} // namespace

void printOut(const std::string& text) {
    // Each line at once, as a window reads them as they come.
    writeOutput(fileno(stdout), text);
}

void printWarnings(const Booklet& booklet) {
    for (const std::string& warning : booklet.warnings())
        printNotice(warning);
}

std::unique_ptr<Booklet> openBooklet(const BookletJob& job, bool turnedBacks) {
    auto booklet =
        std::make_unique<Booklet>(job.document, job.mode,
                                  BookletOptions{.sheetsPerSignature = job.sheetsPerSignature,
                                                 .creep = job.creep,
                                                 .reversedBacks = job.reversedBacks,
                                                 .turnedBacks = turnedBacks});
    const PageCountCheck& check = booklet->check();
    if (check.adjusted)
        printNotice(roundingNotice(booklet->documentPages(), check.pageCount));
    if (check.adjusted && signatureCount(check.pageCount, job.mode, job.sheetsPerSignature) > 1)
        printNotice(blanksInLastSignatureMessage);
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
    if (!job.printer.empty())
        printBooklet(job);
    const std::vector<std::string> paths = outputPaths(job);
    if (job.testSheet) {
        writeTestSheet(job.mode, paths[0], paths[1]);
        for (const std::string& path : paths)
            printOut(path + "\n");
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
            booklet->writeSeparate(paths[0], paths[1], progress);
        else
            booklet->writeDuplex(paths[0], progress);
    } catch (const UserError&) {
        // What was repaired before the failure still helps to find what is wrong.
        printWarnings(*booklet);
        throw;
    }
    printWarnings(*booklet);
    if (job.output != standardOutput)
        for (const std::string& path : paths)
            printOut(path + "\n");
    std::_Exit(exitSuccess);
}

} // namespace plicora::engine
