#pragma once

#include "core/page_count.h"
#include "output_messages.h"

#include <cstddef>
#include <functional>
#include <limits>
#include <optional>
#include <string>

namespace plicora {

// The longest separator taken: it is written up to six times per sheet, and one pasted by mistake
// in the thousands of characters would build listings of hundreds of megabytes.
inline constexpr int separatorMaxLength = 255;

struct CalculationOutcome;

// The texts of a calculator window's fields at one press of its button, as typed (UTF-8).
struct CalculationRequest {
    Mode mode = Mode::FourUp;
    std::string pageCountText = {};
    std::string firstPageText = {};
    std::string separator = {};
    bool writeFile = false;
    std::string filePath = {};
    // Sheets per signature, each listed on its own; 0 for one booklet.
    int sheetsPerSignature = 0;
    // The most characters the output box can still take: a longer listing is refused.
    std::size_t listingRoom = std::numeric_limits<std::size_t>::max();
    // When set, shows the outcome so far (its check and listing) once the file is written and
    // before it replaces the earlier one, so that an outcome that can't be shown leaves the
    // earlier file (see writeFile()).
    std::function<void(const CalculationOutcome& sofar)> showBeforeFile = {};
};

// What one press of a calculator's button gives its window to apply, in this order. A
// calculation that stops early leaves the later members unset, so the window is left
// exactly as far as the calculation got.
struct CalculationOutcome {
    bool numbersRead = false;            // the fields were read: a four-up box is emptied
    std::optional<PageCountCheck> check; // the page count was checked
    std::optional<std::string> listing;  // UTF-8, lines ended by LF
    std::string error;                   // Italian message for a message box, or empty
    std::string errorText;               // the same for the command line, with a file's reason
};

// Runs a whole calculation: reads the numbers, checks the page count, computes the sequence,
// renders its listing and, when asked, writes the instructions file. Nothing it meets, running
// out of memory included, escapes it: each becomes the outcome's error.
CalculationOutcome calculate(const CalculationRequest& request);

} // namespace plicora
