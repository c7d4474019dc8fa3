#pragma once

#include <QStringList>

namespace plicora {

// Whether `firstArgument` (null when there is none) is one of the program's commands, so that the
// program runs as a command rather than opening its windows.
bool isCommand(const char* firstArgument);

// Runs the command line `arguments` (the program first, as rawArguments() gives them) and returns
// the exit status: 0 done, 1 a calculation or a file failed, 2 not understood. Messages go to
// standard error in Italian.
int runCommandLine(const QStringList& arguments);

// Tells the user on standard error that the command line was not understood, and why, as every
// command does; returns the exit status for it.
int reportUsageError(const std::exception& error);

} // namespace plicora
