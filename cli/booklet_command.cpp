#include "booklet_command.h"

#include "cli_messages.h"
#include "command_options.h"
#include "console.h"
#include "engine/engine_interface.h"
#include "signature_option.h"
#include "usage_error.h"

#include <QCoreApplication>
#include <QFile>

#include <optional>
#include <utility>

#ifdef Q_OS_WIN
#include <QProcess>
#else
#include <unistd.h>
#endif

namespace plicora {
namespace {

// Runs the engine in this process's place, so that its memory is all the command takes. Returns
// only when it could not be started; on Windows, which has no such hand-over, it runs as a child.
int handOver(const engine::BookletJob& job) {
    const std::string program =
        engine::enginePath(QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString())
            .string();
    std::vector<std::string> args = engine::arguments(job);
#ifdef Q_OS_WIN
    QStringList list;
    for (const std::string& arg : args)
        list << QString::fromStdString(arg);
    const int status = QProcess::execute(QString::fromStdString(program), list);
    if (status >= 0)
        return status;
#else
    std::vector<char*> argv{const_cast<char*>(engine::programName)};
    for (std::string& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    execv(program.c_str(), argv.data());
#endif
    printError(engine::missingMessage);
    return exitFailure;
}

// The output `-o` names, checked: never empty, and not standard output when it stands for the two
// files of `twoFiles`.
std::string checkedOutput(const CommandOptions& options, const QString& output, bool twoFiles) {
    const std::string path = options.value(output);
    if (options.isSet(output) && path.empty())
        throw UsageError(emptyOutputMessage);
    if (twoFiles && path == engine::standardOutput)
        throw UsageError(separateToStandardOutputMessage);
    return path;
}

// The edge --bordo asks for, if given; throws UsageError.
std::optional<engine::Edge> edgeOption(const CommandOptions& options, const QString& edge) {
    if (!options.isSet(edge))
        return std::nullopt;
    const std::string value = options.value(edge);
    if (value != "corto" && value != "lungo")
        throw UsageError(edgeValueMessage(value));
    return value == "corto" ? engine::Edge::Short : engine::Edge::Long;
}

// The copies --copie asks for, 1 when not given; throws UsageError.
int copiesOption(const CommandOptions& options, const QString& copies) {
    if (!options.isSet(copies))
        return 1;
    const std::string text = options.value(copies);
    const std::optional<int> value = readWholeNumber(text, 1, engine::copiesMax);
    if (!value)
        throw UsageError(copiesValueMessage(text));
    return *value;
}

// The printer --stampante names and the copies for it, checked; throws UsageError.
std::pair<std::string, int> printerOptions(const CommandOptions& options, const QString& printer,
                                           const QString& copies) {
    const std::string name = options.value(printer);
    if (options.isSet(printer) && name.empty())
        throw UsageError(emptyPrinterMessage);
    if (options.isSet(copies) && !options.isSet(printer))
        throw UsageError(copiesNeedPrinterMessage);
    return {name, copiesOption(options, copies)};
}

const QString printerName = QStringLiteral("stampante");
const QString copiesName = QStringLiteral("copie");

} // namespace

int runBookletCommand(const QStringList& arguments) {
    const QString output = QStringLiteral("o");
    const QString separate = QStringLiteral("separati");
    const QString creep = QStringLiteral("scorrimento");
    const QString reversedBacks = QStringLiteral("retro-inverso");
    const QString turnedBacks = QStringLiteral("retro-capovolti");
    const QString edge = QStringLiteral("bordo");
    CommandOptions options({{{output, QStringLiteral("uscita")}, {}, QStringLiteral("USCITA.pdf")},
                            {separate, {}},
                            signatureOption(),
                            {creep, {}, QStringLiteral("MM")},
                            {reversedBacks, {}},
                            {turnedBacks, {}},
                            {edge, {}, QStringLiteral("corto|lungo")},
                            {printerName, {}, QStringLiteral("NOME")},
                            {copiesName, {}, QStringLiteral("N")}});
    if (!options.parse(arguments))
        return exitSuccess;
    const std::vector<std::string> documents = options.positionalArguments();
    if (documents.size() != 1)
        throw UsageError(documents.empty() ? noDocumentMessage : oneDocumentMessage);
    const std::string outputPath = checkedOutput(options, output, options.isSet(separate));
    const auto [printer, copies] = printerOptions(options, printerName, copiesName);
    if (!printer.empty() && options.isSet(separate))
        throw UsageError(printerWithSeparateMessage);
    if (!printer.empty() && outputPath == engine::standardOutput)
        throw UsageError(printerToStandardOutputMessage);
    // There is no name to build the booklet's own on.
    if (documents.front() == engine::standardInput && !options.isSet(output) && printer.empty())
        throw UsageError(standardInputNeedsOutputMessage);
    const std::optional<engine::Edge> edgeAsked = edgeOption(options, edge);
    if (edgeAsked && options.isSet(separate))
        throw UsageError(edgeWithSeparateMessage);
    const int sheets = sheetsPerSignature(options);
    int creepHundredths = 0;
    if (options.isSet(creep)) {
        if (options.mode() != Mode::FourUp)
            throw UsageError(creepFourUpOnlyMessage());
        const std::optional<int> read = engine::readMillimetres(options.value(creep));
        if (!read)
            throw UsageError(creepValueMessage(options.value(creep)));
        creepHundredths = *read;
    }
    // Feeding the backs by hand is a matter of the backs' own file, or of a printer's.
    if ((options.isSet(reversedBacks) || options.isSet(turnedBacks)) && !options.isSet(separate) &&
        printer.empty())
        throw UsageError(backsNeedSeparateMessage);
    return handOver({.mode = options.mode(),
                     .document = documents.front(),
                     .output = outputPath,
                     .separate = options.isSet(separate),
                     .sheetsPerSignature = sheets,
                     .creep = creepHundredths,
                     .reversedBacks = options.isSet(reversedBacks),
                     .turnedBacks = options.isSet(turnedBacks),
                     .edge = edgeAsked,
                     .printer = printer,
                     .copies = copies});
}

int runTestSheetCommand(const QStringList& arguments) {
    const QString output = QStringLiteral("o");
    CommandOptions options({{{output, QStringLiteral("uscita")}, {}, QStringLiteral("PROVA.pdf")},
                            {printerName, {}, QStringLiteral("NOME")},
                            {copiesName, {}, QStringLiteral("N")}});
    if (!options.parse(arguments))
        return exitSuccess;
    if (const auto extra = options.positionalArguments(); !extra.empty())
        throw UsageError(unexpectedArgumentMessage(extra.front()));
    const auto [printer, copies] = printerOptions(options, printerName, copiesName);
    // The test is a pair of files, fronts and backs.
    return handOver({.mode = options.mode(),
                     .output = checkedOutput(options, output, true),
                     .testSheet = true,
                     .printer = printer,
                     .copies = copies});
}

} // namespace plicora
