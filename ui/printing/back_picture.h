#pragma once

#include <QPixmap>

class QPalette;

namespace plicora {

// The size of backPicture(), in device-independent pixels.
inline constexpr QSize backPictureSize(84, 46);

// How the back of the test sheet's first sheet came out: "ALTO" with its arrow and the back's
// sheet number (2 when `reversed`), upside down when `turned`; drawn in `palette`'s colours at
// pixel ratio `ratio`.
QPixmap backPicture(bool reversed, bool turned, const QPalette& palette, qreal ratio);

} // namespace plicora
