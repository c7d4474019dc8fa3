#pragma once

#include <cstdio>
#include <functional>
#include <string_view>

namespace plicora {

// Replaces the file at `utf8Path` whole with what `write` writes to the stream it is handed. Throws
// CalculationError(cannotOpenMessage) when the file can't be opened or created, and
// CalculationError(writeFailedMessage) when writing, flushing or renaming fails; an exception
// thrown by `write` leaves the earlier file untouched, removes the temporary file and is passed on.
void writeFile(std::string_view utf8Path, const std::function<void(std::FILE*)>& write);

} // namespace plicora
