#include "signature_option.h"

#include "cli_messages.h"
#include "console/console.h"
#include "engine/engine_interface.h"

namespace plicora {
namespace {

const QString name = QStringLiteral("fascicoli");

} // namespace

QCommandLineOption signatureOption() {
    return {name, {}, QStringLiteral("N")};
}

int sheetsPerSignature(const CommandOptions& options) {
    if (!options.isSet(name))
        return 0;
    const std::string text = options.value(name);
    const int sheets = engine::readSheetsPerSignature(text);
    if (sheets == 0 || !engine::signaturesInRange(sheets)) // given, so not blank
        throw UsageError(signaturesValueMessage(text));
    return sheets;
}

} // namespace plicora
