#include "booklet_run.h"

#include "core/core_messages.h"
#include "imposition/booklet.h"
#include "imposition/test_sheet.h"

#include <cstdio>

namespace plicora::engine {
namespace {

void print(std::FILE* stream, const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stream);
    std::fflush(stream); // a window reads each line as it comes
}

} // namespace

int runBooklet(const BookletJob& job) {
    const std::vector<std::string> paths = outputPaths(job);
    if (job.testSheet) {
        writeTestSheet(job.mode, paths[0], paths[1]);
        for (const std::string& path : paths)
            print(stdout, path + "\n");
        return exitSuccess;
    }
    Booklet booklet(job.document, job.mode,
                    {.sheetsPerSignature = job.sheetsPerSignature,
                     .creep = job.creep,
                     .reversedBacks = job.reversedBacks,
                     .turnedBacks = job.turnedBacks});
    const PageCountCheck& check = booklet.check();
    if (check.adjusted)
        print(stderr,
              "Numero totale di pagine: " + check.pageCountText + "\n" + check.pageWarning + "\n");
    if (check.adjusted && signatureCount(check.pageCount, job.mode, job.sheetsPerSignature) > 1)
        print(stderr, std::string(blanksInLastSignatureMessage) + "\n");
    Booklet::Progress progress;
    if (job.progress)
        progress = [total = int{check.pageCount}](int percent) {
            print(stdout, progressLine({percent * total / 100, total}));
        };
    if (job.separate)
        booklet.writeSeparate(paths[0], paths[1], progress);
    else
        booklet.writeDuplex(paths[0], progress);
    for (const std::string& path : paths)
        print(stdout, path + "\n");
    return exitSuccess;
}

} // namespace plicora::engine
