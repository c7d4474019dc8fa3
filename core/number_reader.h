#pragma once

#include "page.h"

#include <string_view>

namespace plicora {

// The longest number at the start of `text`, or 0 when it doesn't begin with one.
// Blanks, tabs and line feeds are skipped anywhere; "." is the decimal point whatever the
// locale; an exponent may follow; "&H" and "&O" introduce hexadecimal and octal digits.
double readNumber(std::string_view text);

// `value` rounded towards minus infinity; throws UserError when outside 16 bits.
Page toPage(double value);

// The page count N and the first-page offset S (first page - 1) of a request.
struct PageNumbers {
    Page pageCount = 0;
    Page firstPageOffset = 0;
};

// Reads N and S from the page-count and first-page fields; throws UserError on overflow.
PageNumbers readPageNumbers(std::string_view pageCountText, std::string_view firstPageText);

} // namespace plicora
