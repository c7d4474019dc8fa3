#include "raw_arguments.h"

namespace plicora {

QStringList rawArguments(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLatin1(argv[i]);
    return arguments;
}

std::string argumentBytes(const QString& argument) {
    return argument.toLatin1().toStdString();
}

} // namespace plicora
