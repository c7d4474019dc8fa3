#include "calculation.h"

#include "core/number_reader.h"
#include "file_writer.h"
#include "instructions_file.h"
#include "listing.h"

namespace plicora {
namespace {

// Renders the listing of a computed sequence and, when asked, writes its file.
template <typename Sequence>
void finish(CalculationOutcome& outcome, const CalculationRequest& request,
            const Sequence& sequence) {
    outcome.listing = renderListing(sequence, request.separator);
    if (request.writeFile)
        writeFile(request.filePath, renderInstructions(sequence, request.separator));
}

} // namespace

CalculationOutcome calculate(const CalculationRequest& request) {
    CalculationOutcome outcome;
    try {
        const PageNumbers numbers = readPageNumbers(request.pageCountText, request.firstPageText);
        outcome.numbersRead = true;
        outcome.check = checkPageCount(numbers.pageCount, request.mode);
        const Page pageCount = outcome.check->pageCount;
        if (request.mode == Mode::FourUp)
            finish(outcome, request, computeFourUp(pageCount, numbers.firstPageOffset));
        else
            finish(outcome, request, EightUpSequence(pageCount, numbers.firstPageOffset));
    } catch (const CalculationError& error) {
        outcome.error = error.what();
    }
    return outcome;
}

} // namespace plicora
