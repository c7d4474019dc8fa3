#pragma once

class QWidget;

namespace plicora {

// Moves `window` so that it stands in the middle of its screen's available area.
void centreOnScreen(QWidget* window);

} // namespace plicora
