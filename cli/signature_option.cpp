#include "signature_option.h"

#include "cli_messages.h"
#include "core/sheet_sides.h"
#include "usage_error.h"

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
    const std::optional<int> sheets = readWholeNumber(text, 1, signatureMaxSheets);
    if (!sheets)
        throw UsageError(signaturesValueMessage(text));
    return *sheets;
}

} // namespace plicora
