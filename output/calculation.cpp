#include "calculation.h"

#include "core/number_reader.h"
#include "core/user_error.h"
#include "files/file_error.h"
#include "files/file_writer.h"
#include "instructions_file.h"
#include "listing.h"

#include <new>
#include <utility>

namespace plicora {
namespace {

// Renders the listing of the sheets and, when asked, writes their file.
void finish(CalculationOutcome& outcome, const CalculationRequest& request,
            const SheetSides& sides) {
    std::string listing = renderListing(sides, request.separator);
    if (listing.size() > request.listingRoom)
        throw UserError(listingTooLongMessage);
    outcome.listing = std::move(listing);
    if (!request.writeFile)
        return;
    Report report;
    if (request.showBeforeFile)
        report = [&] { request.showBeforeFile(outcome); };
    writeFile(request.filePath, renderInstructions(sides, request.separator), report);
}

} // namespace

CalculationOutcome calculate(const CalculationRequest& request) {
    CalculationOutcome outcome;
    try {
        const PageNumbers numbers = readPageNumbers(request.pageCountText, request.firstPageText);
        outcome.numbersRead = true;
        outcome.check = checkPageCount(numbers.pageCount, request.mode);
        const Page pageCount = outcome.check->pageCount;
        // The user adds the blank pages to the document: none is left out of the listing.
        finish(outcome, request,
               sheetSides(request.mode, pageCount, numbers.firstPageOffset, pageCount,
                          request.sheetsPerSignature));
    } catch (const UserError& error) {
        outcome.error = error.what();
        outcome.errorText = plicora::errorText(error);
    } catch (const std::bad_alloc&) {
        outcome.listing.reset(); // it may be the one thing held
        outcome.error = outcome.errorText = outOfMemoryMessage;
    }
    return outcome;
}

} // namespace plicora
