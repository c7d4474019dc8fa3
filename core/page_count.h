#pragma once

#include "page.h"

#include <string>

namespace plicora {

// The page count after the whole-sheets check, and what a window shows for it.
struct PageCountCheck {
    Page pageCount = 0;
    bool adjusted = false;
    std::string pageCountText = {}; // only when adjusted
    std::string pageWarning = {};   // only when adjusted
};

// Rounds `pageCount` up to whole sheets of `mode`; throws UserError when the
// rounded count leaves 16 bits.
PageCountCheck checkPageCount(Page pageCount, Mode mode);

// Sheets for a checked page count; zero or less means none.
int sheetCount(Page pageCount, Mode mode);

// Signatures of `sheetsPerSignature` sheets (0: one booklet) for a checked page count.
int signatureCount(Page pageCount, Mode mode, int sheetsPerSignature);

} // namespace plicora
