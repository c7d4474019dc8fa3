#include "command_line.h"

#include "booklet_command.h"
#include "cli_messages.h"
#include "console/console.h"
#include "console/failure.h"
#include "console/signals.h"
#include "help_text.h"
#include "italian_parser_texts.h"
#include "raw_arguments.h"
#include "sequence_command.h"

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
    {"stampanti", runPrintersCommand},
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

int reportUsageError(const std::exception& error) {
    printError(error.what());
    printErrorLine(helpHint);
    return exitUsage;
}

bool isCommand(const char* firstArgument) {
    return firstArgument && commandNamed(firstArgument);
}

int runCommandLine(const QStringList& arguments) {
    setUpSignals();
    ItalianParserTexts parserTexts;
    QCoreApplication::installTranslator(&parserTexts);
    return runReporting(
        [&] { return commandNamed(argumentBytes(arguments.value(1)))->run(arguments); },
        errorLinePrefix, helpHint);
}

} // namespace plicora
