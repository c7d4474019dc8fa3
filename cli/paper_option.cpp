#include "paper_option.h"

#include "cli_messages.h"
#include "command_options.h"
#include "console/console.h"
#include "core/booklet_job.h"
#include "engine/engine_protocol.h"

namespace plicora {
namespace {

const QString name = optionName(engine::userOption::paper);

} // namespace

QCommandLineOption paperOption() {
    return {name, {}, QStringLiteral("FORMATO")};
}

Paper chosenPaper(const CommandOptions& options) {
    if (!options.isSet(name))
        return {};
    const std::string text = options.value(name);
    if (const auto paper = readPaper(text))
        return *paper;
    throw UsageError(paperValueMessage(text));
}

} // namespace plicora
