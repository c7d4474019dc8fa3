#pragma once

#include <string_view>

namespace plicora {

// Exit statuses of the command line.
inline constexpr int exitSuccess = 0;
inline constexpr int exitFailure = 1; // a calculation or a file failed
inline constexpr int exitUsage = 2;

// Writes UTF-8 `text` to standard output as it stands; throws FileError when that fails.
void printOut(std::string_view text);

// Writes UTF-8 `text` and a line end to standard error.
void printErrorLine(std::string_view text);

// Writes the error `message` to standard error, after the program's name.
void printError(std::string_view message);

} // namespace plicora
