#include "ui/shared/engine_errors.h"

#include "console/console.h"
#include "engine/engine_protocol.h"

#include <QProcess>

namespace plicora {

std::optional<QString> engineFailure(QProcess& process, int exitCode, int exitStatus) {
    const QString errors = QString::fromUtf8(process.readAllStandardError()).trimmed();
    if (exitStatus == QProcess::NormalExit && exitCode == exitSuccess)
        return std::nullopt;
    if (exitStatus == QProcess::NormalExit && exitCode == exitFailure && !errors.isEmpty())
        return errors;
    return QString::fromUtf8(engine::diedMessage);
}

} // namespace plicora
