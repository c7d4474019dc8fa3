#pragma once

#include <QTranslator>

namespace plicora {

// Puts QCommandLineParser's error messages into Italian, like every other message.
class ItalianParserTexts : public QTranslator {
public:
    using QTranslator::QTranslator;

protected:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* sourceText, const char* disambiguation,
                      int n) const override;
};

} // namespace plicora
