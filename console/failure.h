#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace plicora {

// What ended a command: its exit status and the Italian message of its error line.
struct Failure {
    int status = 0;
    std::string message;
    friend bool operator==(const Failure&, const Failure&) = default;
};

// The message of an exception that no message foresaw, followed by its own text when it has one.
inline constexpr std::string_view unexpectedErrorText = "Errore imprevisto";
// The message of memory that ran out where no limit of the program's own was met.
inline constexpr const char* outOfMemoryText = "Memoria insufficiente";

// The failure that the exception being handled stands for: a UsageError exits with exitUsage,
// anything else with exitFailure; a UserError says its errorText(), memory running out says so,
// and any other exception is an unexpected error with its own text. Call it in a catch block.
Failure currentFailure();

// Runs `command` and gives its status. Whatever it throws becomes currentFailure(): its message
// goes to standard error after `prefix`, followed for a UsageError by `usageHint` when there is
// one, and its status is given.
int runReporting(const std::function<int()>& command, std::string_view prefix,
                 std::string_view usageHint = {});

} // namespace plicora
