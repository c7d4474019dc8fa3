#include "ui/shared/file_path.h"

#include <QFile>

namespace plicora {

std::string fileSystemPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

QString qtPath(std::string_view path) {
    return QFile::decodeName(QByteArray(path.data(), static_cast<qsizetype>(path.size())));
}

} // namespace plicora
