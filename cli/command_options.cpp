#include "command_options.h"

#include "cli_messages.h"
#include "console.h"
#include "help_text.h"
#include "usage_error.h"

namespace plicora {

CommandOptions::CommandOptions(const QList<QCommandLineOption>& options) {
    parser_.addOption({{QStringLiteral("h"), QStringLiteral("help")}, {}});
    parser_.addOption({QStringLiteral("modo"), {}, QStringLiteral("4|8")});
    parser_.addOptions(options);
}

bool CommandOptions::parse(const QStringList& arguments) {
    if (!parser_.parse(arguments))
        throw UsageError(parser_.errorText().toStdString());
    if (parser_.isSet(QStringLiteral("help"))) {
        printOut(helpText);
        return false;
    }
    const QString mode = parser_.value(QStringLiteral("modo"));
    if (!parser_.isSet(QStringLiteral("modo")))
        throw UsageError(missingModeMessage);
    if (mode != QLatin1String("4") && mode != QLatin1String("8"))
        throw UsageError(modeValueMessage(mode.toStdString()));
    mode_ = mode == QLatin1String("4") ? Mode::FourUp : Mode::EightUp;
    return true;
}

QStringList CommandOptions::positionalArguments() const {
    return parser_.positionalArguments().mid(1); // the command's own name comes first
}

} // namespace plicora
