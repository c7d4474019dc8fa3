#pragma once

#include <QStringList>

namespace plicora {

// Runs the command line `arguments` (the program first, as QCoreApplication::arguments() gives
// them) and returns the exit status: 0 done, 1 a calculation or a file failed, 2 not understood.
// Messages go to standard error in Italian.
int runCommandLine(const QStringList& arguments);

} // namespace plicora
