#include "booklet_run.h"

#include "core/core_messages.h"
#include "core/user_error.h"
#include "files/file_writer.h"
#include "imposition/booklet.h"
#include "imposition/imposition_messages.h"
#include "imposition/test_sheet.h"

#include <cstdio>
#include <cstdlib>

namespace plicora::engine {
namespace {

// Each line at once, as a window reads them as they come; throws FileError when that fails.
void printOut(const std::string& text) {
    writeOutput(fileno(stdout), text);
}

// A notice for the user, on standard error, since standard output may be the booklet itself.
void printNotice(const std::string& line) {
    std::fprintf(stderr, "%s\n", line.c_str());
}

// The repairs made to the document's pages, one line each naming its page.
void printWarnings(const Booklet& booklet) {
    for (const std::string& warning : booklet.warnings())
        printNotice(warning);
}

} // namespace

void runBooklet(const BookletJob& job) {
    const std::vector<std::string> paths = outputPaths(job);
    if (job.testSheet) {
        writeTestSheet(job.mode, sideSize(job.paper), paths[0], paths[1]);
        for (const std::string& path : paths)
            printOut(path + "\n");
        std::_Exit(exitSuccess);
    }
    Booklet booklet(job.document, job.mode,
                    {.sheetsPerSignature = job.sheetsPerSignature,
                     .creep = job.creep,
                     .reversedBacks = job.reversedBacks,
                     .turnedBacks = job.turnedBacks,
                     .paper = job.paper,
                     .binding = job.binding});
    const PageCountCheck& check = booklet.check();
    const bool beforeBackCover =
        blanksBeforeBackCover(job.binding, booklet.documentPages(), check.pageCount);
    if (check.adjusted)
        printNotice(roundingNotice(booklet.documentPages(), check.pageCount, beforeBackCover));
    if (check.adjusted && signatureCount(check.pageCount, job.mode, job.sheetsPerSignature) > 1)
        printNotice(beforeBackCover ? blanksBeforeBackCoverInLastSignatureMessage
                                    : blanksInLastSignatureMessage);
    Booklet::Progress progress;
    if (job.progress)
        progress = [total = int{check.pageCount}, last = -1](int percent) mutable {
            // Pages done, as far as the writer's per cent tells; one line for each change.
            const int done = percent * total / 100;
            if (done != last)
                printOut(progressLine({done, total}));
            last = done;
        };
    try {
        if (job.output == standardOutput) // the booklet itself: nothing else goes there
            writeOutput(fileno(stdout), [&](std::FILE* out) { booklet.writeDuplex(out, {}); });
        else if (job.separate)
            booklet.writeSeparate(paths[0], paths[1], progress);
        else
            booklet.writeDuplex(paths[0], progress);
    } catch (const UserError&) {
        // What was repaired before the failure still helps to find what is wrong.
        printWarnings(booklet);
        throw;
    }
    printWarnings(booklet);
    if (job.output != standardOutput)
        for (const std::string& path : paths)
            printOut(path + "\n");
    std::_Exit(exitSuccess);
}

} // namespace plicora::engine
