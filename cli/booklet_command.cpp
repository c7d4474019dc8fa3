#include "booklet_command.h"

#include "command_options.h"
#include "console.h"
#include "imposition/booklet.h"
#include "rounding_notice.h"
#include "usage_error.h"

namespace plicora {
namespace {

// `path` without a final ".pdf" in any case, the stem the output names are built on.
std::string stem(const QString& path) {
    const QString extension = QStringLiteral(".pdf");
    return (path.endsWith(extension, Qt::CaseInsensitive) ? path.chopped(extension.size()) : path)
        .toStdString();
}

} // namespace

int runBookletCommand(const QStringList& arguments) {
    const QString output = QStringLiteral("o");
    const QString separate = QStringLiteral("separati");
    CommandOptions options(
        {{{output, QStringLiteral("uscita")}, {}, QStringLiteral("USCITA.pdf")}, {separate, {}}});
    if (!options.parse(arguments))
        return exitSuccess;
    const QStringList documents = options.positionalArguments();
    if (documents.size() != 1)
        throw UsageError(documents.isEmpty() ? "Manca il documento PDF da impaginare"
                                             : "Si può impaginare un solo documento alla volta");
    const QString input = documents.first();
    const QString base =
        options.isSet(output) ? QString::fromStdString(options.value(output)) : input;

    Booklet booklet(input.toStdString(), options.mode());
    printRoundingNotice(booklet.check());
    if (options.isSet(separate)) {
        const std::string front = stem(base) + "-fronte.pdf";
        const std::string back = stem(base) + "-retro.pdf";
        booklet.writeSeparate(front, back);
        printOut(front + "\n" + back + "\n");
    } else {
        const std::string path =
            options.isSet(output) ? options.value(output) : stem(input) + "-opuscolo.pdf";
        booklet.writeDuplex(path);
        printOut(path + "\n");
    }
    return exitSuccess;
}

} // namespace plicora
