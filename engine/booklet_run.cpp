#include "booklet_run.h"

#include "core/core_messages.h"
#include "files/file_writer.h"
#include "imposition/booklet.h"
#include "imposition/test_sheet.h"

#include <cstdio>

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

} // namespace

int runBooklet(const BookletJob& job) {
    const std::vector<std::string> paths = outputPaths(job);
    if (job.testSheet) {
        writeTestSheet(job.mode, paths[0], paths[1]);
        for (const std::string& path : paths)
            printOut(path + "\n");
        return exitSuccess;
    }
    Booklet booklet(job.document, job.mode,
                    {.sheetsPerSignature = job.sheetsPerSignature,
                     .creep = job.creep,
                     .reversedBacks = job.reversedBacks,
                     .turnedBacks = job.turnedBacks});
    const PageCountCheck& check = booklet.check();
    if (check.adjusted)
        printNotice("Numero totale di pagine: " + check.pageCountText + "\n" + check.pageWarning);
    if (check.adjusted && signatureCount(check.pageCount, job.mode, job.sheetsPerSignature) > 1)
        printNotice(blanksInLastSignatureMessage);
    Booklet::Progress progress;
    if (job.progress)
        progress = [total = int{check.pageCount}, last = -1](int percent) mutable {
            // Pages done, as far as the writer's per cent tells; one line for each change.
            const int done = percent * total / 100;
            if (done != last)
                printOut(progressLine({done, total}));
            last = done;
        };
    if (job.output == standardOutput) {
        // The booklet itself is the output: nothing else goes there.
        writeOutput(fileno(stdout), [&](std::FILE* out) { booklet.writeDuplex(out, {}); });
        return exitSuccess;
    }
    if (job.separate)
        booklet.writeSeparate(paths[0], paths[1], progress);
    else
        booklet.writeDuplex(paths[0], progress);
    for (const std::string& path : paths)
        printOut(path + "\n");
    return exitSuccess;
}

} // namespace plicora::engine
