#pragma once

#include <cstdio>
#include <functional>

namespace plicora {

// What makes a file's content: it writes to the stream it is handed.
using ContentWriter = std::function<void(std::FILE*)>;

} // namespace plicora
