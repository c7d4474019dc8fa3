#include "command_line.h"

#include "booklet_command.h"
#include "console.h"
#include "core/user_error.h"
#include "help_text.h"
#include "italian_parser_texts.h"
#include "sequence_command.h"
#include "usage_error.h"

#include <QCoreApplication>

namespace plicora {
namespace {

int dispatch(const QStringList& arguments) {
    const QString command = arguments.value(1);
    if (command == QLatin1String("sequenza"))
        return runSequenceCommand(arguments);
    if (command == QLatin1String("opuscolo"))
        return runBookletCommand(arguments);
    if (command == QLatin1String("-h") || command == QLatin1String("--help")) {
        printOut(helpText);
        return exitSuccess;
    }
    if (command == QLatin1String("-v") || command == QLatin1String("--version")) {
        printOut("plicora " + QCoreApplication::applicationVersion().toStdString() + "\n");
        return exitSuccess;
    }
    throw UsageError("Comando sconosciuto: '" + command.toStdString() +
                     "' (si usa sequenza oppure opuscolo)");
}

} // namespace

int runCommandLine(const QStringList& arguments) {
    ItalianParserTexts parserTexts;
    QCoreApplication::installTranslator(&parserTexts);
    try {
        return dispatch(arguments);
    } catch (const UsageError& error) {
        printErrorLine(std::string("plicora: ") + error.what());
        printErrorLine("Per l'aiuto: plicora --help");
        return exitUsage;
    } catch (const UserError& error) {
        printErrorLine(error.what());
        return exitFailure;
    } catch (const std::exception& error) {
        // Whatever a library throws that no message foresaw still ends in a message, not a crash.
        printErrorLine(std::string("Errore imprevisto: ") + error.what());
        return exitFailure;
    }
}

} // namespace plicora
