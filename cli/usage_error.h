#pragma once

#include <stdexcept>

namespace plicora {

// A command line that can't be understood; what() is the Italian message (UTF-8).
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace plicora
