#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace plicora {

// A path as Qt holds it, as the file system takes it: its bytes, which the engine and the file
// writer pass on unchanged.
std::string fileSystemPath(const QString& path);

// A path of the file system, as Qt holds it.
QString qtPath(std::string_view path);

} // namespace plicora
