#pragma once

#include <QByteArrayView>
#include <QSize>

class QPainter;

namespace plicora {

// Draws at the painter's origin a picture of `size` kept as runs of equal pixels, row after row:
// pairs of 32-bit words in this machine's byte order, the count, then the colour as 0xffRRGGBB.
// It is drawn in bands, so no more than a band's pixels are ever held; runs past the picture's
// end are ignored.
void drawPixelRuns(QPainter& painter, QByteArrayView runs, QSize size);

} // namespace plicora
