#pragma once

#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFPageObjectHelper.hh>

#include <string>
#include <vector>

namespace plicora {

// The PDF default page, in points, which readers take when a page has no usable MediaBox.
inline constexpr double defaultPageWidth = 612;
inline constexpr double defaultPageHeight = 792;

// What a viewer shows of a page and how it turns it.
struct PageGeometry {
    QPDFObjectHandle::Rectangle box; // in the page's own coordinates
    int rotate = 0;                  // clockwise, 0, 90, 180 or 270
};

// The geometry readers give page `number` (counted from 1): its CropBox, inherited or not,
// clipped to the MediaBox, else the MediaBox; TrimBox, BleedBox and ArtBox play no part. A
// missing or unusable MediaBox is the default page and /Rotate is taken modulo 360, a value that
// is no multiple of 90 counting as 0; each such repair appends one warning to `warnings`.
PageGeometry pageGeometry(QPDFPageObjectHelper& page, int number,
                          std::vector<std::string>& warnings);

} // namespace plicora
