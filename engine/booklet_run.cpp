#include "booklet_run.h"

#include "booklet_opening.h"
#include "console/console.h"
#include "core/user_error.h"
#include "engine_protocol.h"
#include "files/file_writer.h"
#include "imposition/imposition_messages.h"
#include "imposition/test_sheet.h"

#include <cstdio>
#include <cstdlib>

#include <sys/stat.h>
#include <unistd.h>

namespace plicora::engine {
namespace {

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

int runBooklet(const BookletJob& job) {
    // Refused before a byte is read, so that the document stays as it was.
    if (job.output == standardOutput && !job.testSheet && documentIsStandardOutput(job))
        throw UserError(outputIsInputMessage);
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
        return exitSuccess;
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
    // Done: the system takes the document's many objects back at once, where freeing them one by
    // one would cost a tenth of the run.
    std::_Exit(exitSuccess);
}

} // namespace plicora::engine
