#pragma once

#include <QString>

class QProcess;

namespace plicora {

// The messages the engine run as `process` wrote on standard error, one a line; asked for bare
// (BookletJob::bareMessages), they have no command line's name before them.
QString engineErrors(QProcess& process);

} // namespace plicora
