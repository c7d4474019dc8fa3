#include "signature_option.h"

#include "cli_messages.h"
#include "command_options.h"
#include "console/console.h"
#include "core/booklet_job.h"
#include "engine/engine_protocol.h"

namespace plicora {
namespace {

const QString name = optionName(engine::userOption::signatures);

} // namespace

QCommandLineOption signatureOption() {
    return {name, {}, QStringLiteral("N")};
}

int sheetsPerSignature(const CommandOptions& options) {
    if (!options.isSet(name))
        return 0;
    const std::string text = options.value(name);
    const int sheets = readSheetsPerSignature(text);
    if (sheets == 0 || !signaturesInRange(sheets)) // given, so not blank
        throw UsageError(signaturesValueMessage(text));
    return sheets;
}

} // namespace plicora
