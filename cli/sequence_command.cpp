#include "sequence_command.h"

#include "command_options.h"
#include "console.h"
#include "output/calculation.h"
#include "rounding_notice.h"
#include "usage_error.h"

namespace plicora {
namespace {

// `text` with its CR LF line ends as LF.
std::string withLineFeeds(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i)
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n'))
            out += text[i];
    return out;
}

} // namespace

int runSequenceCommand(const QStringList& arguments) {
    const QString pages = QStringLiteral("pagine");
    const QString first = QStringLiteral("prima");
    const QString separator = QStringLiteral("separatore");
    const QString file = QStringLiteral("file");
    CommandOptions options({{pages, {}, QStringLiteral("TESTO")},
                            {first, {}, QStringLiteral("TESTO"), QStringLiteral("1")},
                            {separator, {}, QStringLiteral("TESTO"), QStringLiteral(",")},
                            {file, {}, QStringLiteral("PERCORSO")}});
    if (!options.parse(arguments))
        return exitSuccess;
    if (!options.positionalArguments().isEmpty())
        throw UsageError("Argomento inatteso: " +
                         options.positionalArguments().first().toStdString());
    if (!options.isSet(pages))
        throw UsageError("Manca l'opzione --pagine");
    if (QString::fromStdString(options.value(separator)).size() > separatorMaxLength)
        throw UsageError("Il separatore può avere al massimo 255 caratteri");

    const CalculationOutcome outcome = calculate({.mode = options.mode(),
                                                  .pageCountText = options.value(pages),
                                                  .firstPageText = options.value(first),
                                                  .separator = options.value(separator),
                                                  .writeFile = options.isSet(file),
                                                  .filePath = options.value(file)});
    if (outcome.check)
        printRoundingNotice(*outcome.check);
    if (outcome.listing)
        printOut(withLineFeeds(*outcome.listing));
    if (!outcome.error.empty()) {
        printErrorLine(outcome.error);
        return exitFailure;
    }
    return exitSuccess;
}

} // namespace plicora
