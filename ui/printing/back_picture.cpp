#include "ui/printing/back_picture.h"

#include "ui/shared/ui_messages.h"

#include <QPainter>
#include <QPalette>

namespace plicora {

QPixmap backPicture(bool reversed, bool turned, const QPalette& palette, qreal ratio) {
    QPixmap pixmap(backPictureSize * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF sheet(QPointF(1, 1), QSizeF(backPictureSize) - QSizeF(2, 2));
    painter.setPen(palette.color(QPalette::Text));
    painter.setBrush(palette.color(QPalette::Base));
    painter.drawRect(sheet);
    if (turned) {
        painter.translate(sheet.center());
        painter.rotate(180);
        painter.translate(-sheet.center());
    }
    QFont font = painter.font();
    font.setPixelSize(13);
    painter.setFont(font);
    painter.drawText(sheet.adjusted(0, 3, 0, -3), Qt::AlignHCenter | Qt::AlignTop,
                     QString::fromUtf8(topText));
    painter.drawText(sheet.adjusted(0, 3, 0, -3), Qt::AlignHCenter | Qt::AlignBottom,
                     QString::fromUtf8(backNumberText).arg(reversed ? 2 : 1));
    return pixmap;
}

} // namespace plicora
