#pragma once

#include "core/page.h"
#include "core/paper.h"
#include "files/content_writer.h"

#include <cstdio>
#include <string>

namespace plicora {

// Writes the test for printing without duplex: two sheets of `mode` on sides of `size` (the marks
// drawn for an A4 side, scaled to fit and centred), their fronts to one PDF and
// their backs to another, as the booklet's separate files are. Each half of every side carries
// large marks: "ALTO" with an arrow to the top edge, "FRONTE" or "RETRO", the sheet's number and
// an arrow to the fold. Two sheets, so that backs fed in reverse order show. Neither earlier file
// is replaced unless both can be written, and `report` is called before either is (see
// writeFilePair()); throws UserError when one can't.
void writeTestSheet(Mode mode, SideSize size, const std::string& frontPath,
                    const std::string& backPath, const Report& report = {});

// The same, to two streams already open.
void writeTestSheet(Mode mode, SideSize size, std::FILE* frontFile, std::FILE* backFile);

} // namespace plicora
