#pragma once

#include "core/booklet_job.h"
#include "core/page.h"

#include <QString>

class QWidget;

namespace plicora {

// Opens a booklet window of its own for `document`, preset to `mode`, running the engine
// installed with the program; it is deleted when closed.
QWidget* openBookletWindow(const QString& document, Mode mode);

// Runs a booklet window on `job`, a document another program printed to the booklet printer, with
// its choices, until the window is closed; whether a booklet went to the printer from it.
bool printFromWindow(const BookletJob& job);

// Asks for a PDF with the desktop's file chooser, over `parent` when given, and opens the booklet
// window for it; false when the user chose none.
bool chooseBookletDocument(QWidget* parent = nullptr);

} // namespace plicora
