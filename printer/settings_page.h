#pragma once

typedef struct _pappl_system_s pappl_system_t;
typedef struct _pappl_printer_s pappl_printer_t;

// The booklet printer's own pages in PAPPL's web interface on 127.0.0.1: each virtual printer's
// settings as a form saved to its settings file, and, where PAPPL's pages would add or delete
// printers, a word that its printers follow CUPS's.
namespace plicora::printer {

// Takes the web interface's page that adds printers; before `system` runs.
void keepPrintersFollowingCups(pappl_system_t* system);

// Adds the settings page of `printer`, linked from its own page, and takes its deleting page.
void addSettingsPage(pappl_printer_t* printer);

} // namespace plicora::printer
