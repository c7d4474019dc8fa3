#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
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

// A value the user gave, or a message that repeats one, as a message shows it: cut short after
// `longest` bytes (on a character's boundary) and marked so, since a value pasted by mistake can
// run to thousands of characters.
std::string echoed(std::string_view value, std::size_t longest = 60);

// Writes UTF-8 `text` to standard output as it stands, at once; throws FileError when that fails.
void printOut(std::string_view text);

// Writes UTF-8 `text` and a line end to standard error.
void printErrorLine(std::string_view text);

// From now on, writes each error line as encodedLine() makes it, for a program that reads them
// back (a window running the engine) rather than a person.
void encodeErrorLines();

// Writes the error `message` to standard error after errorLinePrefix.
void printError(std::string_view message);

} // namespace plicora
