#pragma once

#include "core/page.h"

#include <QString>

class QWidget;

namespace plicora {

// Opens a booklet window of its own for `document`, preset to `mode`, running the engine
// installed with the program; it is deleted when closed.
QWidget* openBookletWindow(const QString& document, Mode mode);

// Asks for a PDF with the desktop's file chooser, over `parent` when given, and opens the booklet
// window for it; false when the user chose none.
bool chooseBookletDocument(QWidget* parent = nullptr);

} // namespace plicora
