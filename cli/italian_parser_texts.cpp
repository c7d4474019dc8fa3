#include "italian_parser_texts.h"

#include <cstring>

namespace plicora {
namespace {

struct Text {
    const char* english;
    const char* italian;
};

constexpr Text parserTexts[] = {
    {"Unknown option '%1'.", "Opzione sconosciuta: '%1'."},
    {"Unknown options: %1.", "Opzioni sconosciute: %1."},
    {"Missing value after '%1'.", "Manca il valore dopo '%1'."},
    {"Unexpected value after '%1'.", "Valore inatteso dopo '%1'."},
};

} // namespace

QString ItalianParserTexts::translate(const char* context, const char* sourceText, const char*,
                                      int) const {
    if (std::strcmp(context, "QCommandLineParser") != 0)
        return {};
    for (const Text& text : parserTexts)
        if (std::strcmp(sourceText, text.english) == 0)
            return QString::fromUtf8(text.italian);
    return {};
}

} // namespace plicora
