#include "ui/shared/centre.h"

#include <QScreen>
#include <QWidget>

namespace plicora {

void centreOnScreen(QWidget* window) {
    QRect frame(QPoint(), window->size());
    frame.moveCenter(window->screen()->availableGeometry().center());
    window->move(frame.topLeft());
}

} // namespace plicora
