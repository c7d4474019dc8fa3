#include "display_text.h"

namespace plicora {
namespace {

// Large enough that inserting a listing costs a few blocks per hundred lines, small enough that
// laying out the one being edited stays instant.
constexpr int linesPerBlock = 16;

} // namespace

QString boxText(std::string_view utf8) {
    QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    // In place: each line end becomes one other character.
    QChar* out = text.data();
    const QChar* in = out;
    const QChar* const end = in + text.size();
    int lines = 0;
    while (in != end) {
        if (*in == u'\n') {
            ++in;
            const bool blockEnds = ++lines % linesPerBlock == 0 || in == end;
            *out++ = blockEnds ? QChar(u'\n') : QChar(QChar::LineSeparator);
        } else {
            *out++ = *in++;
        }
    }
    text.truncate(out - text.data());
    return text;
}

} // namespace plicora
