#pragma once

#include "core/page_count.h"

namespace plicora {

// When the page count was rounded up to whole sheets, writes the new count and the warning the
// window shows in red to standard error, and for a job of several `signatures` where the blank
// pages go.
void printRoundingNotice(const PageCountCheck& check, int signatures = 1);

} // namespace plicora
