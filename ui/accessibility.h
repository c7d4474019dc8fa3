#pragma once

#include <QAccessible>

class QWidget;

namespace plicora {

// Gives `widget` this role for screen readers (AT-SPI, UI Automation) in place of the one its
// class would get; it takes effect once installAccessibleRoles() has run.
void setAccessibleRole(QWidget* widget, QAccessible::Role role);

// Lets the roles given with setAccessibleRole() replace Qt's, and output boxes report where each
// character stands; call once, after the application object exists and before any window is
// shown.
void installAccessibleRoles();

} // namespace plicora
