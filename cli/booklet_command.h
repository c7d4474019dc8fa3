#pragma once

#include <QStringList>

namespace plicora {

// `plicora opuscolo`: imposes a PDF document as a booklet and writes the paths of the PDFs it
// wrote to standard output. Returns the exit status; throws UsageError and UserError.
int runBookletCommand(const QStringList& arguments);

} // namespace plicora
