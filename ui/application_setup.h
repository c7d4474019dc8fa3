#pragma once

namespace plicora {

// Prepares the application object for the windows: the window fonts' look-alikes, Qt's own
// texts in Italian, the roles screen readers see, the icon once the first window is painted and the
// desktop entry.
void setUpApplication();

} // namespace plicora
