#include "signature_option.h"

#include "cli_messages.h"
#include "console/console.h"
#include "core/sheet_sides.h"

#include <charconv>

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
    int sheets = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), sheets);
    if (error != std::errc() || end != text.data() + text.size() || sheets < 1 ||
        sheets > signatureMaxSheets)
        throw UsageError(signaturesValueMessage(text));
    return sheets;
}

} // namespace plicora
