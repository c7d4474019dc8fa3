#pragma once

#include <QStringList>

namespace plicora {

// `plicora opuscolo`: imposes a PDF document as a booklet and writes the paths of the PDFs it
// wrote to standard output. Returns the exit status; throws UsageError and UserError.
int runBookletCommand(const QStringList& arguments);

// `plicora prova`: writes the two files of the test sheet for printing without duplex and their
// paths to standard output. Returns the exit status; throws UsageError and UserError.
int runTestSheetCommand(const QStringList& arguments);

// `plicora stampanti`: one line per printer CUPS knows, at once however many printers the network
// announces. Returns the exit status; throws UsageError.
int runPrintersCommand(const QStringList& arguments);

} // namespace plicora
