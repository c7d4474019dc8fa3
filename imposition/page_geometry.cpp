#include "page_geometry.h"

#include "imposition_messages.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace plicora {
namespace {

using Rectangle = QPDFObjectHandle::Rectangle;

// `box` as a rectangle of positive area with its corners in order, if it is one.
std::optional<Rectangle> usableRectangle(QPDFObjectHandle box) {
    if (!box.isArray() || box.getArrayNItems() != 4)
        return std::nullopt;
    double v[4];
    for (int i = 0; i < 4; ++i) {
        QPDFObjectHandle item = box.getArrayItem(i);
        if (!item.isNumber() || !std::isfinite(item.getNumericValue()))
            return std::nullopt;
        v[i] = item.getNumericValue();
    }
    const Rectangle r(std::min(v[0], v[2]), std::min(v[1], v[3]), std::max(v[0], v[2]),
                      std::max(v[1], v[3]));
    if (r.urx - r.llx <= 0 || r.ury - r.lly <= 0)
        return std::nullopt;
    return r;
}

std::optional<Rectangle> intersection(const Rectangle& a, const Rectangle& b) {
    const Rectangle r(std::max(a.llx, b.llx), std::max(a.lly, b.lly), std::min(a.urx, b.urx),
                      std::min(a.ury, b.ury));
    if (r.urx - r.llx <= 0 || r.ury - r.lly <= 0)
        return std::nullopt;
    return r;
}

// The /Rotate readers apply, or nothing when the value is unusable.
std::optional<int> usableRotate(QPDFObjectHandle rotate) {
    if (rotate.isNull())
        return 0;
    if (!rotate.isInteger())
        return std::nullopt;
    const long long turned = (rotate.getIntValue() % 360 + 360) % 360;
    if (turned % 90 != 0)
        return std::nullopt;
    return static_cast<int>(turned);
}

} // namespace

PageGeometry pageGeometry(QPDFPageObjectHelper& page, int number,
                          std::vector<std::string>& warnings) {
    PageGeometry geometry;
    const std::optional<Rectangle> media = usableRectangle(page.getAttribute("/MediaBox", false));
    geometry.box = media.value_or(Rectangle(0, 0, defaultPageWidth, defaultPageHeight));
    if (!media)
        warnings.push_back(defaultMediaBoxWarning(number, defaultPageWidth, defaultPageHeight));
    QPDFObjectHandle cropBox = page.getAttribute("/CropBox", false);
    if (!cropBox.isNull()) {
        std::optional<Rectangle> crop = usableRectangle(cropBox);
        if (crop)
            crop = intersection(*crop, geometry.box);
        if (crop)
            geometry.box = *crop;
        else
            warnings.push_back(unusableCropBoxWarning(number));
    }
    const std::optional<int> rotate = usableRotate(page.getAttribute("/Rotate", false));
    if (!rotate)
        warnings.push_back(unusableRotateWarning(number));
    geometry.rotate = rotate.value_or(0);
    return geometry;
}

} // namespace plicora
