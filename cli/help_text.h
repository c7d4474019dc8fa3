#pragma once

#include <string_view>

namespace plicora {

// What `plicora --help` prints.
extern const std::string_view helpText;

} // namespace plicora
