#pragma once

#include <stdexcept>

namespace plicora {

// A calculation that can't go on; what() is the Italian message for the user.
class CalculationError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

inline constexpr const char* overflowMessage =
    "Numero fuori dai limiti consentiti (da -32768 a 32767)";

} // namespace plicora
