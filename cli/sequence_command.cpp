#include "sequence_command.h"

#include "cli_messages.h"
#include "command_options.h"
#include "console/console.h"
#include "output/calculation.h"
#include "rounding_notice.h"
#include "signature_option.h"

namespace plicora {
int runSequenceCommand(const QStringList& arguments) {
    const QString pages = QStringLiteral("pagine");
    const QString first = QStringLiteral("prima");
    const QString separator = QStringLiteral("separatore");
    const QString file = QStringLiteral("file");
    CommandOptions options({{pages, {}, QStringLiteral("TESTO")},
                            {first, {}, QStringLiteral("TESTO"), QStringLiteral("1")},
                            {separator, {}, QStringLiteral("TESTO"), QStringLiteral(",")},
                            {file, {}, QStringLiteral("PERCORSO")},
                            signatureOption()});
    if (!options.parse(arguments))
        return exitSuccess;
    if (const auto extra = options.positionalArguments(); !extra.empty())
        throw UsageError(unexpectedArgumentMessage(extra.front()));
    if (!options.isSet(pages))
        throw UsageError(missingPagesMessage);
    if (QString::fromUtf8(options.value(separator)).size() > separatorMaxLength)
        throw UsageError(separatorTooLongMessage());
    if (options.isSet(file) && options.value(file).empty())
        throw UsageError(emptyOutputMessage);
    const int sheets = sheetsPerSignature(options);

    // The listing goes out before the file takes the earlier one's place, so that a listing that
    // can't be written leaves the earlier file.
    bool shown = false;
    const auto show = [&](const CalculationOutcome& sofar) {
        shown = true;
        if (sofar.check)
            printRoundingNotice(*sofar.check,
                                signatureCount(sofar.check->pageCount, options.mode(), sheets));
        if (sofar.listing)
            printOut(*sofar.listing);
    };
    const CalculationOutcome outcome = calculate({.mode = options.mode(),
                                                  .pageCountText = options.value(pages),
                                                  .firstPageText = options.value(first),
                                                  .separator = options.value(separator),
                                                  .writeFile = options.isSet(file),
                                                  .filePath = options.value(file),
                                                  .sheetsPerSignature = sheets,
                                                  .showBeforeFile = show});
    if (!shown)
        show(outcome);
    if (!outcome.error.empty()) {
        printError(outcome.errorText);
        return exitFailure;
    }
    return exitSuccess;
}

} // namespace plicora
