#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace plicora {

// The shape of one page of a numbered document, in points.
struct NumberedPage {
    double width = 595;
    double height = 842;
    int rotate = 0; // the page's /Rotate: 0, 90, 180 or 270
};

// Writes a PDF at `path` whose page i shows the number i centred near its top as a viewer
// shows it, in Helvetica, then `textLines` lines of running text. Every page shares one font.
// With `paddingBytes`, the first page's content stream stands between two more of that many
// spaces each, stored deflated: a small file that inflates to a thousand times its size.
void writeNumberedPdf(const std::string& path, const std::vector<NumberedPage>& pages,
                      int textLines = 0, std::size_t paddingBytes = 0);

} // namespace plicora
