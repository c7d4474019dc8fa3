#pragma once

#include "engine_job.h"

#include <filesystem>
#include <functional>
#include <optional>

// A virtual printer's job shown in Plicora's booklet window before it is printed: the user sees
// the booklet, can change its choices, and prints it from the window's print dialog, the real
// printer chosen there; by hand on a printer that prints one side, guided through the backs.
namespace plicora::printer {

// Whether a desktop session is there for the window to open in.
bool desktopSession();

// Whether a job is shown in the window before it is printed: always on a printer that prints one
// side, else as `preview` says, and by default when there is a `session`. A job to be shown with
// no session is refused.
bool shownInWindow(bool twoSided, std::optional<bool> preview, bool session);

// The window's program, installed beside this one.
std::filesystem::path windowProgram();

// Shows `print` in the booklet window of `program` and waits until the user closes it: Printed when
// a booklet went to the printer from it, Closed when none did, Refused when the window could not
// open. `cancelled` is asked twice a second: when it says so, the window is closed.
PrintOutcome printFromWindow(const std::filesystem::path& program, const BookletPrint& print,
                             const std::function<bool()>& cancelled);

} // namespace plicora::printer
