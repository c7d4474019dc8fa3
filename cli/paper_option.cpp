#include "paper_option.h"

#include "cli_messages.h"
#include "console/console.h"
#include "core/booklet_job.h"

namespace plicora {
namespace {

const QString name = QStringLiteral("carta");

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
