#pragma once

#include <QString>

class QProcess;

namespace plicora {

// The messages the engine run as `process` wrote on standard error, one a line, without the
// command line's name before them, which a window has no use for.
QString engineErrors(QProcess& process);

} // namespace plicora
