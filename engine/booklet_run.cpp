#include "booklet_run.h"

#include "booklet_opening.h"
#include "console/console.h"
#include "core/user_error.h"
#include "files/file_writer.h"
#include "imposition/test_sheet.h"

#include <cstdio>
#include <cstdlib>

#include <sys/stat.h>
#include <unistd.h>

namespace plicora::engine {
namespace {

// Whether `path` names standard output itself (/dev/stdout): the booklet goes there, not its name.
bool isStandardOutput(const std::string& path) {
    struct stat output {
    }, named{};
    return ::fstat(STDOUT_FILENO, &output) == 0 && ::stat(path.c_str(), &named) == 0 &&
           output.st_dev == named.st_dev && output.st_ino == named.st_ino;
}

} // namespace

void runBooklet(const BookletJob& job) {
    const std::vector<std::string> paths = outputPaths(job);
    // The paths are told once the files are written and before they take the earlier ones'
    // place: a failure to tell them leaves the earlier files.
    const Report report = [&] {
        for (const std::string& path : paths)
            if (!isStandardOutput(path))
                printOut(path + "\n");
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
