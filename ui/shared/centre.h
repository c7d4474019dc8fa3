#pragma once

class QWidget;

namespace plicora {

// Moves `window` so that it stands in the middle of its screen's available area.
void centreOnScreen(QWidget* window);

// Sizes `window` as it asks, no larger than its screen's available area leaves room for, nor
// smaller than its minimum, and places it wholly inside that area, out of any panel's way:
// centred, or offset from another window of its kind already standing there.
void placeOnScreen(QWidget* window);

} // namespace plicora
