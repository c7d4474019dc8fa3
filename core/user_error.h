#pragma once

#include <stdexcept>

namespace plicora {

// A failure the user is told about; what() is the Italian message (UTF-8).
class UserError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace plicora
