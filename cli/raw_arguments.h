#pragma once

#include <QStringList>

#include <string>

namespace plicora {

// The program's arguments for the command line to read: each byte of argv is one character, so
// that a file name reaches the file system byte for byte whatever its encoding.
QStringList rawArguments(int argc, char* argv[]);

// The bytes of an argument, or of a text made of arguments, that rawArguments() gave, as typed.
std::string argumentBytes(const QString& argument);

} // namespace plicora
