#include "calculation.h"

#include "core/number_reader.h"
#include "core/user_error.h"
#include "files/file_writer.h"
#include "instructions_file.h"
#include "listing.h"

#include <new>
#include <utility>

namespace plicora {
namespace {

// Renders the listing of a computed sequence and, when asked, writes its file.
template <typename Sequence>
void finish(CalculationOutcome& outcome, const CalculationRequest& request,
            const Sequence& sequence) {
    std::string listing = renderListing(sequence, request.separator);
    if (listing.size() > request.listingRoom)
        throw UserError(listingTooLongMessage);
    outcome.listing = std::move(listing);
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
    } catch (const UserError& error) {
        outcome.error = error.what();
    } catch (const std::bad_alloc&) {
        outcome.listing.reset(); // it may be the one thing held
        outcome.error = outOfMemoryMessage;
    }
    return outcome;
}

} // namespace plicora
