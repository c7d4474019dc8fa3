#include "command_options.h"

#include "cli_messages.h"
#include "console/console.h"
#include "engine/engine_protocol.h"
#include "help_text.h"
#include "raw_arguments.h"

namespace plicora {

QString optionName(std::string_view option) {
    return QString::fromLatin1(option.substr(2));
}

CommandOptions::CommandOptions(const QList<QCommandLineOption>& options,
                               std::optional<Mode> defaultMode)
    : defaultMode_(defaultMode) {
    parser_.addOption({{QStringLiteral("h"), QStringLiteral("help")}, {}});
    parser_.addOption({optionName(engine::userOption::mode), {}, QStringLiteral("4|8")});
    parser_.addOptions(options);
}

bool CommandOptions::parse(const QStringList& arguments) {
    if (!parser_.parse(arguments))
        throw UsageError(echoed(argumentBytes(parser_.errorText()), 120));
    if (parser_.isSet(QStringLiteral("help"))) {
        printOut(helpText);
        return false;
    }
    // An option given twice is a slip, not a change of mind: which one was meant is unknown.
    // A name found twice, or two values through its two names (-o, --uscita).
    const QStringList found = parser_.optionNames();
    for (const QString& name : found)
        if (found.count(name) > 1 || parser_.values(name).size() > 1)
            throw UsageError(optionTwiceMessage(argumentBytes(name)));
    const QString mode = parser_.value(optionName(engine::userOption::mode));
    if (!parser_.isSet(optionName(engine::userOption::mode)) && defaultMode_) {
        mode_ = *defaultMode_;
        return true;
    }
    if (!parser_.isSet(optionName(engine::userOption::mode)))
        throw UsageError(missingModeMessage);
    if (mode != QLatin1String("4") && mode != QLatin1String("8"))
        throw UsageError(modeValueMessage(argumentBytes(mode)));
    mode_ = mode == QLatin1String("4") ? Mode::FourUp : Mode::EightUp;
    return true;
}

std::string CommandOptions::value(const QString& name) const {
    return argumentBytes(parser_.value(name));
}

std::vector<std::string> CommandOptions::positionalArguments() const {
    std::vector<std::string> arguments;
    for (const QString& argument : parser_.positionalArguments().mid(1)) // after the command
        arguments.push_back(argumentBytes(argument));
    return arguments;
}

} // namespace plicora
