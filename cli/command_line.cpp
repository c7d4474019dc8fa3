#include "command_line.h"

#include "booklet_command.h"
#include "cli_messages.h"
#include "console.h"
#include "core/user_error.h"
#include "help_text.h"
#include "italian_parser_texts.h"
#include "raw_arguments.h"
#include "sequence_command.h"
#include "usage_error.h"

#include "files/file_error.h"

#include <QCoreApplication>

#include <csignal>

namespace plicora {
namespace {

int printHelp(const QStringList&) {
    printOut(helpText);
    return exitSuccess;
}

int printVersion(const QStringList&) {
    printOut("plicora " + QCoreApplication::applicationVersion().toStdString() + "\n");
    return exitSuccess;
}

struct Command {
    std::string_view name;
    int (*run)(const QStringList& arguments);
};

constexpr Command commands[] = {
    {"sequenza", runSequenceCommand},
    {"opuscolo", runBookletCommand},
    {"prova", runTestSheetCommand},
    {"-h", printHelp},
    {"--help", printHelp},
    {"-v", printVersion},
    {"--version", printVersion},
};

const Command* commandNamed(std::string_view name) {
    for (const Command& command : commands)
        if (command.name == name)
            return &command;
    return nullptr;
}

// Runs the command `arguments` name, turning whatever stops it into its message and status.
int run(const QStringList& arguments) {
    try {
        return commandNamed(argumentBytes(arguments.value(1)))->run(arguments);
    } catch (const UsageError& error) {
        return reportUsageError(error);
    } catch (const UserError& error) {
        printError(errorText(error));
    } catch (const std::exception& error) {
        // Whatever a library throws that no message foresaw still ends in a message, not a crash.
        printError(unexpectedErrorPrefix + std::string(error.what()));
    }
    return exitFailure;
}

} // namespace

int reportUsageError(const std::exception& error) {
    printError(error.what());
    printErrorLine(helpHint);
    return exitUsage;
}

bool isCommand(const char* firstArgument) {
    return firstArgument && commandNamed(firstArgument);
}

int runCommandLine(const QStringList& arguments) {
#ifndef Q_OS_WIN
    // A reader that goes away is a failed write, told as such, not the end of the program.
    std::signal(SIGPIPE, SIG_IGN);
#endif
    ItalianParserTexts parserTexts;
    QCoreApplication::installTranslator(&parserTexts);
    return run(arguments);
}

} // namespace plicora
