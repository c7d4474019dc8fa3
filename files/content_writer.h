#pragma once

#include <cstdio>
#include <functional>

namespace plicora {

// What makes a file's content: it writes to the stream it is handed.
using ContentWriter = std::function<void(std::FILE*)>;

// What tells the user where the files go, called once they are wholly written and before any
// takes its earlier file's place: when it throws, every earlier file stays as it was.
using Report = std::function<void()>;

} // namespace plicora
