#include "eight_up_listing.h"

#include "core/number_text.h"
#include "sequence_text.h"

namespace plicora {

std::string renderEightUpListing(const EightUpSequence& sequence, std::string_view separator) {
    std::string out;
    out.reserve(static_cast<std::size_t>(sequence.sheets()) * (90 + 6 * separator.size()));
    for (int j = 1; j <= sequence.sheets(); ++j) {
        const std::size_t labelLength = appendSheetLabel(out, j, appendSigned);
        out += "F:";
        appendQuad(out, sequence.front(j), separator);
        out += crlf;
        out.append(labelLength, ' ');
        out += "R:";
        appendQuad(out, sequence.back(j), separator);
        out += crlf;
    }
    return out;
}

} // namespace plicora
