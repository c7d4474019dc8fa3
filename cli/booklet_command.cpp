#include "booklet_command.h"

#include "cli_messages.h"
#include "command_options.h"
#include "console/console.h"
#include "engine/engine_protocol.h"
#include "paper_option.h"
#include "signature_option.h"

#include <filesystem>
#include <optional>
#include <string_view>

#include <unistd.h>

namespace plicora {
namespace {

// Runs the engine with `args` in this process's place, so that its memory is all the command
// takes. Returns only when it could not be started.
int handOver(std::vector<std::string> args) {
    const std::filesystem::path program = engine::enginePath();
    std::vector<char*> argv{const_cast<char*>(engine::programName)};
    for (std::string& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    execv(program.c_str(), argv.data());
    printError(engine::missingMessage);
    return exitFailure;
}

const QString printerName = optionName(engine::userOption::printer);
const QString copiesName = optionName(engine::userOption::copies);
const QString marginName = optionName(engine::userOption::margin);

// The output `-o` names; never empty when given.
std::string output(const CommandOptions& options, const QString& name) {
    const std::string path = options.value(name);
    if (options.isSet(name) && path.empty())
        throw UsageError(emptyOutputMessage);
    return path;
}

// The number `read` makes of option `name`'s text, 0 when it isn't given. An option given blank
// is a mistake, where a blank field in the window means "none".
int optionNumber(const CommandOptions& options, const QString& name,
                 int (*read)(std::string_view)) {
    if (!options.isSet(name))
        return 0;
    const std::string text = options.value(name);
    return text.empty() ? unreadableNumber : read(text);
}

// The edge --bordo asks for, if given; throws UsageError for anything but its two words.
std::optional<Edge> edge(const CommandOptions& options, const QString& name) {
    if (!options.isSet(name))
        return std::nullopt;
    const std::string text = options.value(name);
    if (const auto edge = readEdge(text))
        return edge;
    throw UsageError(edgeValueMessage(text));
}

// The printer --stampante names; never empty when given.
std::string printer(const CommandOptions& options) {
    const std::string name = options.value(printerName);
    if (options.isSet(printerName) && name.empty())
        throw UsageError(emptyPrinterMessage);
    return name;
}

// The copies --copie asks for: 1 when not given.
int copies(const CommandOptions& options) {
    return options.isSet(copiesName) ? readCopies(options.value(copiesName)) : 1;
}

// Whether printing takes the printer's own paper: no --carta says otherwise.
bool printerPaper(const CommandOptions& options) {
    return options.isSet(printerName) && !options.isSet(paperOption().names().front());
}

// The command line's words for what is wrong with `job`, with the options as `options` hold them.
std::string faultMessage(JobFault fault, const BookletJob& job, const CommandOptions& options) {
    switch (fault) {
    case JobFault::NoDocument:
        return noDocumentMessage;
    case JobFault::TestSheetWithDocument:
    case JobFault::TestSheetWithOptions:
        return unexpectedArgumentMessage(job.document);
    case JobFault::PaperNotAccepted:
        return paperValueMessage(options.value(paperOption().names().front()));
    case JobFault::SignaturesOutOfRange:
        return signaturesValueMessage(options.value(signatureOption().names().front()));
    case JobFault::CreepOutOfRange:
        return creepValueMessage(options.value(optionName(engine::userOption::creep)));
    case JobFault::CreepEightUp:
        return creepFourUpOnlyMessage();
    case JobFault::MarginOutOfRange:
        return marginValueMessage(options.value(marginName));
    case JobFault::BacksWithoutSeparate:
        return backsNeedSeparateMessage;
    case JobFault::EdgeWithTwoFiles:
        return edgeWithSeparateMessage;
    case JobFault::CopiesOutOfRange:
        return copiesValueMessage(options.value(copiesName));
    case JobFault::CopiesWithoutPrinter:
        return copiesNeedPrinterMessage;
    case JobFault::PrinterWithTwoFiles:
        return printerWithSeparateMessage;
    case JobFault::PrinterToStandardOutput:
        return printerToStandardOutputMessage;
    case JobFault::TwoFilesToStandardOutput:
        return job.testSheet ? testSheetToStandardOutputMessage : separateToStandardOutputMessage;
    case JobFault::StandardInputWithoutOutput:
        return job.document == standardInput ? standardInputNeedsOutputMessage
                                             : deviceNeedsOutputMessage(job.document);
    }
    return {};
}

// Hands `job` over to the engine, unless the engine's rules refuse it: a usage error then.
int judgedHandOver(const BookletJob& job, const CommandOptions& options) {
    if (const std::vector<JobFault> faults = jobFaults(job); !faults.empty())
        throw UsageError(faultMessage(faults.front(), job, options));
    return handOver(engine::arguments(job));
}

} // namespace

int runBookletCommand(const QStringList& arguments) {
    const QString outputName = QStringLiteral("o");
    const QString separate = optionName(engine::userOption::separate);
    const QString signatures = signatureOption().names().front();
    const QString creep = optionName(engine::userOption::creep);
    const QString reversedBacks = optionName(engine::userOption::reversedBacks);
    const QString turnedBacks = optionName(engine::userOption::turnedBacks);
    const QString rightToLeft = optionName(engine::userOption::rightToLeft);
    const QString backCoverLast = optionName(engine::userOption::backCoverLast);
    const QString edgeName = optionName(engine::userOption::edge);
    CommandOptions options(
        {{{outputName, optionName(engine::userOption::output)}, {}, QStringLiteral("USCITA.pdf")},
         {separate, {}},
         signatureOption(),
         {creep, {}, QStringLiteral("MM")},
         {reversedBacks, {}},
         {turnedBacks, {}},
         paperOption(),
         {rightToLeft, {}},
         {backCoverLast, {}},
         {edgeName, {}, QStringLiteral("corto|lungo")},
         {printerName, {}, QStringLiteral("NOME")},
         {copiesName, {}, QStringLiteral("N")},
         {marginName, {}, QStringLiteral("MM")}},
        Mode::FourUp);
    if (!options.parse(arguments))
        return exitSuccess;
    const std::vector<std::string> documents = options.positionalArguments();
    if (documents.size() > 1)
        throw UsageError(oneDocumentMessage);
    return judgedHandOver(
        {.mode = options.mode(),
         .document = documents.empty() ? std::string() : documents.front(),
         .output = output(options, outputName),
         .separate = options.isSet(separate),
         .sheetsPerSignature = optionNumber(options, signatures, readSheetsPerSignature),
         .creep = optionNumber(options, creep, readCreep),
         .reversedBacks = options.isSet(reversedBacks),
         .turnedBacks = options.isSet(turnedBacks),
         .paper = chosenPaper(options),
         .binding = {.rightToLeft = options.isSet(rightToLeft),
                     .backCoverLast = options.isSet(backCoverLast)},
         .edge = edge(options, edgeName),
         .printer = printer(options),
         .copies = copies(options),
         .printerPaper = printerPaper(options),
         .margin = optionNumber(options, marginName, readMargin)},
        options);
}

int runPrintersCommand(const QStringList& arguments) {
    CommandOptions options({}, Mode::FourUp);
    if (!options.parse(arguments))
        return exitSuccess;
    if (const auto extra = options.positionalArguments(); !extra.empty())
        throw UsageError(unexpectedArgumentMessage(extra.front()));
    return handOver({std::string(engine::printersTextOption)});
}

int runTestSheetCommand(const QStringList& arguments) {
    const QString outputName = QStringLiteral("o");
    CommandOptions options(
        {{{outputName, optionName(engine::userOption::output)}, {}, QStringLiteral("PROVA.pdf")},
         paperOption(),
         {printerName, {}, QStringLiteral("NOME")},
         {copiesName, {}, QStringLiteral("N")}},
        Mode::FourUp);
    if (!options.parse(arguments))
        return exitSuccess;
    const std::vector<std::string> documents = options.positionalArguments();
    return judgedHandOver({.mode = options.mode(),
                           .document = documents.empty() ? std::string() : documents.front(),
                           .output = output(options, outputName),
                           .testSheet = true,
                           .paper = chosenPaper(options),
                           .printer = printer(options),
                           .copies = copies(options),
                           .printerPaper = printerPaper(options)},
                          options);
}

} // namespace plicora
