#pragma once

#include <stdexcept>
#include <string_view>

namespace plicora {

// A failure the user is told about; what() is the Italian message (UTF-8).
class UserError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// How each error line of the command line starts, as command-line tools name themselves.
inline constexpr std::string_view commandLinePrefix = "plicora: ";

} // namespace plicora
