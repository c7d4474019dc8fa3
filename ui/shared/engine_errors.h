#pragma once

#include <QString>

#include <optional>

class QProcess;

namespace plicora {

// How the engine run as `process` ended, with `exitCode` and `exitStatus` (a
// QProcess::ExitStatus): nothing when it succeeded; else the messages it wrote on standard error,
// one a line (bare, as BookletJob::bareMessages asks), or engine::diedMessage when it died or
// failed without a word.
std::optional<QString> engineFailure(QProcess& process, int exitCode, int exitStatus);

} // namespace plicora
