#pragma once

#include "core/page.h"

#include <QCommandLineParser>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace plicora {

// The name QCommandLineParser knows `option` ("--modo") by: without its dashes.
QString optionName(std::string_view option);

// The options of one command: its own, plus --modo 4|8 and --help that every command takes.
class CommandOptions {
public:
    // A parser for `options`; without `defaultMode`, --modo must be given.
    explicit CommandOptions(const QList<QCommandLineOption>& options,
                            std::optional<Mode> defaultMode = std::nullopt);

    // Reads `arguments` (the program, the command, then its options, as rawArguments() gives
    // them). Returns false when --help
    // was given, after printing the help: the command has nothing more to do. Throws UsageError
    // when they are not understood, an option is given twice, or --modo is not 4 or 8, or missing
    // without a default.
    bool parse(const QStringList& arguments);

    // The layout of --modo.
    Mode mode() const { return mode_; }
    // Whether option `name` was given.
    bool isSet(const QString& name) const { return parser_.isSet(name); }
    // The value of option `name` as typed, or its default.
    std::string value(const QString& name) const;
    // The arguments after the command that are not options, as typed.
    std::vector<std::string> positionalArguments() const;

private:
    QCommandLineParser parser_;
    std::optional<Mode> defaultMode_;
    Mode mode_ = Mode::FourUp;
};

} // namespace plicora
