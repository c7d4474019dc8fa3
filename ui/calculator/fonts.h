#pragma once

#include <QFont>

namespace plicora {

// Maps the window fonts to installed look-alikes where they are missing (Linux desktops).
void installFontSubstitutes();

// `family` at `points`, as large as at 96 dpi (so that text fits the twip layout on every screen)
// and given in points, as screen readers report it.
QFont windowFont(const char* family, double points, bool bold = false);

// "Courier" at `points`, fixed-pitch whatever the machine substitutes for it.
QFont fixedPitchFont(double points);

} // namespace plicora
