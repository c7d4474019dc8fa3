#include "booklet_run.h"

#include "files/file_writer.h"
#include "imposition/booklet.h"

#include <cstdio>

namespace plicora::engine {
namespace {

// Each line at once, as a window reads them as they come; throws FileError when that fails.
void printOut(const std::string& text) {
    writeOutput(fileno(stdout), text);
}

} // namespace

int runBooklet(const BookletJob& job) {
    Booklet booklet(job.document, job.mode);
    const PageCountCheck& check = booklet.check();
    if (check.adjusted)
        std::fprintf(stderr, "Numero totale di pagine: %s\n%s\n", check.pageCountText.c_str(),
                     check.pageWarning.c_str());
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
    const std::vector<std::string> paths = outputPaths(job);
    if (job.separate)
        booklet.writeSeparate(paths[0], paths[1], progress);
    else
        booklet.writeDuplex(paths[0], progress);
    for (const std::string& path : paths)
        printOut(path + "\n");
    return exitSuccess;
}

} // namespace plicora::engine
