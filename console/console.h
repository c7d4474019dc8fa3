#pragma once

#include <stdexcept>
#include <string_view>

// How the two programs, `plicora` and its engine `plicora-opuscolo`, talk on the console: their
// exit statuses, their standard output and their error lines.
namespace plicora {

// Exit statuses; a signal, or any other status, means the program ended unexpectedly.
inline constexpr int exitSuccess = 0;
inline constexpr int exitFailure = 1; // a calculation, the document or a file failed
inline constexpr int exitUsage = 2;   // the arguments can't be understood

// How each error line starts, as command-line tools name themselves.
inline constexpr std::string_view errorLinePrefix = "plicora: ";

// Arguments that can't be understood; what() is the Italian message (UTF-8).
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Writes UTF-8 `text` to standard output as it stands, at once; throws FileError when that fails.
void printOut(std::string_view text);

// Writes UTF-8 `text` and a line end to standard error.
void printErrorLine(std::string_view text);

// Writes the error `message` to standard error after errorLinePrefix.
void printError(std::string_view message);

} // namespace plicora
