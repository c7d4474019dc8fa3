#include "engine_errors.h"

#include <QProcess>

namespace plicora {

QString engineErrors(QProcess& process) {
    return QString::fromUtf8(process.readAllStandardError()).trimmed();
}

} // namespace plicora
