#pragma once

#include <QString>

class QWidget;

namespace plicora {

// Shows `text` (lines may end in CR LF) in a modal box titled "Plicora" with a single OK
// button and no icon, and waits for OK.
void showMessage(QWidget* parent, const QString& text);

} // namespace plicora
