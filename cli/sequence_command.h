#pragma once

#include <QStringList>

namespace plicora {

// `plicora sequenza`: one press of a calculator's button without its window. The listing goes
// to standard output with LF line ends; a rounded count and its warning, and any error, go to
// standard error. Returns the exit status; throws UsageError.
int runSequenceCommand(const QStringList& arguments);

} // namespace plicora
