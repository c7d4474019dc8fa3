#include "icon_after_first_paint.h"

#include <QApplication>
#include <QEvent>
#include <QIcon>

namespace plicora {

IconAfterFirstPaint::IconAfterFirstPaint() : QObject(qApp) {
    qApp->installEventFilter(this);
}

bool IconAfterFirstPaint::eventFilter(QObject*, QEvent* event) {
    if (event->type() == QEvent::Paint) {
        qApp->removeEventFilter(this);
        // Queued, so that the painting under way reaches the screen first.
        QMetaObject::invokeMethod(
            this,
            [this] {
                // Every size drawn for the desktop, so that it stays sharp at any scale factor.
                QIcon icon;
                for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
                    icon.addFile(QStringLiteral(":/icons/%1x%1/apps/plicora.png").arg(size));
                QApplication::setWindowIcon(icon);
                deleteLater();
            },
            Qt::QueuedConnection);
    }
    return false;
}

} // namespace plicora
