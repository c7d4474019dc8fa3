#pragma once

#include <cstdio>
#include <filesystem>
#include <functional>

namespace plicora {

// The platform's half of writeFile(): replaces the file at `path` whole with what `write` writes,
// with the guarantees and the errors writeFile() promises.
void replaceFile(const std::filesystem::path& path, const std::function<void(std::FILE*)>& write);

} // namespace plicora
