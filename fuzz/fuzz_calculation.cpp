// A whole calculation with random page-count, first-page and separator texts, in both modes:
// it never crashes, and what it returns is consistent with itself.
#include "core/number_reader.h"
#include "output/calculation.h"
#include "output/instructions_file.h"
#include "output/listing.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void check(bool condition) {
    if (!condition)
        std::abort();
}

// Splits the input at NUL bytes into the request's texts; the first byte picks the mode.
plicora::CalculationRequest requestFrom(std::string_view input) {
    plicora::CalculationRequest request;
    request.mode =
        !input.empty() && (input[0] & 1) ? plicora::Mode::EightUp : plicora::Mode::FourUp;
    if (!input.empty())
        input.remove_prefix(1);
    std::string* fields[] = {&request.pageCountText, &request.firstPageText, &request.separator};
    for (std::string* field : fields) {
        const auto end = input.find('\0');
        *field = std::string(input.substr(0, end));
        input = end == std::string_view::npos ? std::string_view{} : input.substr(end + 1);
    }
    return request;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const plicora::CalculationRequest request =
        requestFrom({reinterpret_cast<const char*>(data), size});
    const plicora::CalculationOutcome outcome = plicora::calculate(request);
    check(outcome.error.empty() == outcome.listing.has_value());
    check(!outcome.check || outcome.numbersRead);
    if (!outcome.check)
        return 0;
    const int q = plicora::pagesPerSheet(request.mode);
    const plicora::PageCountCheck& count = *outcome.check;
    check(count.pageCount % q == 0);
    check(count.adjusted == !count.pageCountText.empty());
    if (count.adjusted) // the rewritten field reads back as the rounded count
        check(plicora::readNumber(count.pageCountText) == count.pageCount);
    if (!outcome.listing)
        return 0;
    const plicora::Page offset =
        plicora::readPageNumbers(request.pageCountText, request.firstPageText).firstPageOffset;
    if (request.mode == plicora::Mode::FourUp) {
        const auto sequence = plicora::computeFourUp(count.pageCount, offset);
        check(*outcome.listing == plicora::renderListing(sequence, request.separator));
        check(!plicora::renderInstructions(sequence, request.separator).empty());
    } else {
        const plicora::EightUpSequence sequence(count.pageCount, offset);
        check(*outcome.listing == plicora::renderListing(sequence, request.separator));
        check(!plicora::renderInstructions(sequence, request.separator).empty());
    }
    return 0;
}
