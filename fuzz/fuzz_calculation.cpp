// A whole calculation with random page-count, first-page and separator texts, in both modes and
// with or without the file: it never crashes, and what it returns is consistent with itself.
#include "core/number_reader.h"
#include "output/calculation.h"
#include "output/instructions_file.h"
#include "output/listing.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

#include <stdlib.h>

namespace {

void check(bool condition) {
    if (!condition)
        std::abort();
}

// The instructions file goes to a folder of the run's own, removed at exit, never to a path
// taken from the input.
const std::string& instructionsPath() {
    static std::string folder;
    static const std::string path = [] {
        folder = (std::filesystem::temp_directory_path() / "plicora-fuzz-XXXXXX").string();
        check(mkdtemp(folder.data()) != nullptr);
        std::atexit([] { std::filesystem::remove_all(folder); });
        return folder + "/instructions.txt";
    }();
    return path;
}

// Splits the input at NUL bytes into the request's texts; the first byte picks the mode and
// whether the file is written.
plicora::CalculationRequest requestFrom(std::string_view input) {
    plicora::CalculationRequest request;
    request.mode =
        !input.empty() && (input[0] & 1) ? plicora::Mode::EightUp : plicora::Mode::FourUp;
    request.writeFile = !input.empty() && (input[0] & 2);
    request.filePath = instructionsPath();
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

std::string readBack(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
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
    const plicora::SheetSides sides =
        plicora::sheetSides(request.mode, count.pageCount, offset, count.pageCount);
    check(*outcome.listing == plicora::renderListing(sides, request.separator));
    const std::string file = plicora::renderInstructions(sides, request.separator);
    check(!file.empty());
    if (request.writeFile) // the file on disk is the whole text, byte for byte
        check(readBack(request.filePath) == file);
    return 0;
}
