#include "ui/shared/centre.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace plicora {
namespace {

// What a title bar and borders may add to a window, unknown until the window manager shows it.
constexpr QSize frameAllowance(16, 48);
// How far a window opened over another of its kind moves down and right.
constexpr int offsetStep = 32;

// Whether a visible window named as `window` stands at `where`.
bool taken(const QWidget* window, QPoint where) {
    const QWidgetList windows = QApplication::topLevelWidgets();
    return std::any_of(windows.begin(), windows.end(), [&](const QWidget* other) {
        return other != window && other->isVisible() &&
               other->objectName() == window->objectName() &&
               (other->pos() - where).manhattanLength() < offsetStep / 2;
    });
}

} // namespace

void centreOnScreen(QWidget* window) {
    QRect frame(QPoint(), window->size());
    frame.moveCenter(window->screen()->availableGeometry().center());
    window->move(frame.topLeft());
}

void placeOnScreen(QWidget* window) {
    const QRect area = window->screen()->availableGeometry();
    const QSize room = area.size() - frameAllowance;
    window->resize(window->sizeHint().boundedTo(room).expandedTo(window->minimumSizeHint()));
    QRect frame(QPoint(), window->size() + frameAllowance);
    frame.moveCenter(area.center());
    for (int step = 0; step < 8 && taken(window, frame.topLeft()); ++step)
        frame.translate(offsetStep, offsetStep);
    // Kept inside the area, its top-left corner first when the window can't fit.
    frame.moveLeft(std::max(area.left(), std::min(frame.left(), area.right() + 1 - frame.width())));
    frame.moveTop(std::max(area.top(), std::min(frame.top(), area.bottom() + 1 - frame.height())));
    window->move(frame.topLeft());
}

} // namespace plicora
