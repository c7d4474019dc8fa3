#include "command_line.h"

#include "booklet_command.h"
#include "cli_messages.h"
#include "console.h"
#include "core/user_error.h"
#include "help_text.h"
#include "italian_parser_texts.h"
#include "sequence_command.h"
#include "usage_error.h"

#include <QCoreApplication>

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

} // namespace

bool isCommand(const char* firstArgument) {
    return firstArgument && commandNamed(firstArgument);
}

int runCommandLine(const QStringList& arguments) {
    ItalianParserTexts parserTexts;
    QCoreApplication::installTranslator(&parserTexts);
    try {
        return commandNamed(arguments.value(1).toStdString())->run(arguments);
    } catch (const UsageError& error) {
        printErrorLine(std::string("plicora: ") + error.what());
        printErrorLine(helpHint);
        return exitUsage;
    } catch (const UserError& error) {
        printErrorLine(error.what());
        return exitFailure;
    } catch (const std::exception& error) {
        // Whatever a library throws that no message foresaw still ends in a message, not a crash.
        printErrorLine(unexpectedErrorPrefix + std::string(error.what()));
        return exitFailure;
    }
}

} // namespace plicora
