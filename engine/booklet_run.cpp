#include "booklet_run.h"

#include "core/user_error.h"
#include "imposition/booklet.h"

#include <cstdio>

namespace plicora::engine {
namespace {

void print(std::FILE* stream, const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stream);
    std::fflush(stream); // a window reads each line as it comes
}

} // namespace

int runBooklet(const BookletJob& job) {
    Booklet booklet(job.document, job.mode);
    const PageCountCheck& check = booklet.check();
    if (check.adjusted)
        print(stderr,
              "Numero totale di pagine: " + check.pageCountText + "\n" + check.pageWarning + "\n");
    Booklet::Progress progress;
    if (job.progress)
        progress = [total = int{check.pageCount}, last = -1](int percent) mutable {
            // Pages done, as far as the writer's per cent tells; one line for each change.
            const int done = percent * total / 100;
            if (done != last)
                print(stdout, progressLine({done, total}));
            last = done;
        };
    if (job.output == standardOutput) {
        // The booklet itself is the output: nothing else goes there.
        try {
            booklet.writeDuplex(stdout, {});
        } catch (const UserError&) {
            if (!std::ferror(stdout))
                throw;
            return exitFailure; // told once, as standard output's failure
        }
        return exitSuccess;
    }
    const std::vector<std::string> paths = outputPaths(job);
    if (job.separate)
        booklet.writeSeparate(paths[0], paths[1], progress);
    else
        booklet.writeDuplex(paths[0], progress);
    for (const std::string& path : paths)
        print(stdout, path + "\n");
    return exitSuccess;
}

} // namespace plicora::engine
