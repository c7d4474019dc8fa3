// Any text read as a number gives a value and never reads outside the text; the 16-bit
// conversion either fits or reports an overflow.
#include "core/number_reader.h"
#include "core/user_error.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double value = plicora::readNumber(text);
    if (std::isnan(value))
        std::abort();
    try {
        const int page = plicora::toPage(value);
        if (page > value || page + 1 <= value)
            std::abort(); // not the floor
    } catch (const plicora::UserError&) {
        if (value >= -32768.0 && value < 32768.0)
            std::abort(); // a value that fits was refused
    }
    return 0;
}
