#include "calculation.h"

#include "core/calculation_error.h"
#include "core/number_reader.h"
#include "eight_up_listing.h"
#include "four_up_listing.h"
#include "instructions_file.h"

namespace plicora {
namespace {

// Computes the sequence of the request's mode, then its listing and its file text.
template <typename Sequence, typename RenderListing>
void finish(CalculationOutcome& outcome, const CalculationRequest& request,
            const Sequence& sequence, RenderListing renderListing) {
    outcome.listing = renderListing(sequence, request.separator);
    if (request.writeFile)
        writeInstructionsFile(request.filePath, renderInstructions(sequence, request.separator));
}

} // namespace

CalculationOutcome calculate(const CalculationRequest& request) {
    CalculationOutcome outcome;
    try {
        const PageNumbers numbers = readPageNumbers(request);
        outcome.numbersRead = true;
        outcome.check = checkPageCount(numbers.pageCount, request.mode);
        const Page pageCount = outcome.check->pageCount;
        if (request.mode == Mode::FourUp)
            finish(outcome, request, computeFourUp(pageCount, numbers.firstPageOffset),
                   renderFourUpListing);
        else
            finish(outcome, request, EightUpSequence(pageCount, numbers.firstPageOffset),
                   renderEightUpListing);
    } catch (const CalculationError& error) {
        outcome.error = error.what();
    }
    return outcome;
}

} // namespace plicora
