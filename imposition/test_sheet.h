#pragma once

#include "core/page.h"

#include <cstdio>
#include <string>

namespace plicora {

// Writes the test for printing without duplex: two sheets of `mode`, their fronts to one PDF and
// their backs to another, as the booklet's separate files are. Each half of every side carries
// large marks: "ALTO" with an arrow to the top edge, "FRONTE" or "RETRO", the sheet's number and
// an arrow to the fold. Two sheets, so that backs fed in reverse order show. Neither earlier file
// is replaced unless both can be written; throws UserError when one can't.
void writeTestSheet(Mode mode, const std::string& frontPath, const std::string& backPath);

// The same, to two streams already open.
void writeTestSheet(Mode mode, std::FILE* frontFile, std::FILE* backFile);

} // namespace plicora
