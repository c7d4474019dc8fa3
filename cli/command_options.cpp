#include "command_options.h"

#include "cli_messages.h"
#include "console.h"
#include "help_text.h"
#include "raw_arguments.h"
#include "usage_error.h"

#include <charconv>

namespace plicora {

CommandOptions::CommandOptions(const QList<QCommandLineOption>& options) {
    parser_.addOption({{QStringLiteral("h"), QStringLiteral("help")}, {}});
    parser_.addOption({QStringLiteral("modo"), {}, QStringLiteral("4|8")});
    parser_.addOptions(options);
}

bool CommandOptions::parse(const QStringList& arguments) {
    if (!parser_.parse(arguments))
        throw UsageError(argumentBytes(parser_.errorText()));
    if (parser_.isSet(QStringLiteral("help"))) {
        printOut(helpText);
        return false;
    }
    const QString mode = parser_.value(QStringLiteral("modo"));
    if (!parser_.isSet(QStringLiteral("modo")))
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

std::optional<int> readWholeNumber(const std::string& text, int min, int max) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < min || value > max)
        return std::nullopt;
    return value;
}

} // namespace plicora
