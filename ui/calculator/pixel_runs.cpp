#include "ui/calculator/pixel_runs.h"

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cstring>

namespace plicora {
namespace {

constexpr int bandRows = 32;

} // namespace

void drawPixelRuns(QPainter& painter, QByteArrayView runs, QSize size) {
    QImage band(size.width(), bandRows, QImage::Format_RGB32);
    const qsizetype bandPixels = qsizetype{size.width()} * bandRows;
    const qsizetype total = qsizetype{size.width()} * size.height();
    auto* const bandStart = reinterpret_cast<quint32*>(band.bits());
    qsizetype done = 0;   // pixels of the picture decoded
    qsizetype inBand = 0; // of those, in the band not drawn yet
    const auto drawBand = [&] {
        const int rows = static_cast<int>((inBand + size.width() - 1) / size.width());
        painter.drawImage(QPoint(0, static_cast<int>((done - inBand) / size.width())), band,
                          QRect(0, 0, size.width(), rows));
        inBand = 0;
    };
    for (qsizetype at = 0; at + 8 <= runs.size() && done < total; at += 8) {
        quint32 run[2];
        std::memcpy(run, runs.data() + at, sizeof run);
        qsizetype count = std::min<qsizetype>(run[0], total - done);
        while (count > 0) {
            const qsizetype n = std::min(count, bandPixels - inBand);
            std::fill_n(bandStart + inBand, n, run[1]);
            inBand += n;
            done += n;
            count -= n;
            if (inBand == bandPixels)
                drawBand();
        }
    }
    if (inBand > 0)
        drawBand();
}

} // namespace plicora
