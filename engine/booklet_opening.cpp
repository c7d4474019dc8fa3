#include "booklet_opening.h"

#include "console/console.h"
#include "console/signals.h"
#include "core/core_messages.h"
#include "core/page_count.h"
#include "engine_protocol.h"
#include "imposition/imposition_messages.h"

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
                                                 .margin = job.margin,
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

} // namespace plicora::engine
