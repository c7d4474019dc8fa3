#pragma once

#include <QImage>
#include <QString>

namespace draw {

// The application icon, `size` pixels square.
QImage drawIcon(int size);

// The same icon as a scalable SVG document.
QString iconSvg();

} // namespace draw
