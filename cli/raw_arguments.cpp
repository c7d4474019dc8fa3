#include "raw_arguments.h"

#include <QCoreApplication>

namespace plicora {

QStringList rawArguments([[maybe_unused]] int argc, [[maybe_unused]] char* argv[]) {
#ifdef Q_OS_WIN
    return QCoreApplication::arguments();
#else
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLatin1(argv[i]);
    return arguments;
#endif
}

std::string argumentBytes(const QString& argument) {
#ifdef Q_OS_WIN
    return argument.toStdString();
#else
    return argument.toLatin1().toStdString();
#endif
}

} // namespace plicora
