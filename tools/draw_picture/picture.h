#pragma once

#include <QImage>

namespace draw {

// The main window's picture (document pages -> folded booklet), 652 × 357 pixels times `scale`.
QImage drawPicture(int scale);

} // namespace draw
