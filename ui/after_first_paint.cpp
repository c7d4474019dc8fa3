#include "ui/after_first_paint.h"

#include <QApplication>
#include <QEvent>

namespace plicora {

AfterFirstPaint::AfterFirstPaint(std::function<void()> work)
    : QObject(qApp), work_(std::move(work)) {
    qApp->installEventFilter(this);
}

bool AfterFirstPaint::eventFilter(QObject*, QEvent* event) {
    if (event->type() == QEvent::Paint) {
        qApp->removeEventFilter(this);
        // Queued, so that the painting under way reaches the screen first.
        QMetaObject::invokeMethod(
            this,
            [this] {
                work_();
                deleteLater();
            },
            Qt::QueuedConnection);
    }
    return false;
}

} // namespace plicora
