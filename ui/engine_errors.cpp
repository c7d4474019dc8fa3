#include "engine_errors.h"

#include "core/user_error.h"

#include <QProcess>
#include <QStringList>

namespace plicora {

QString engineErrors(QProcess& process) {
    QStringList lines = QString::fromUtf8(process.readAllStandardError()).trimmed().split(u'\n');
    const QString prefix = QString::fromUtf8(commandLinePrefix.data(),
                                             static_cast<qsizetype>(commandLinePrefix.size()));
    for (QString& line : lines)
        if (line.startsWith(prefix))
            line.remove(0, prefix.size());
    return lines.join(u'\n').trimmed();
}

} // namespace plicora
