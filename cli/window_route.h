#pragma once

#include "core/booklet_job.h"

#include <string>

namespace plicora {

// The argument of the desktop action that asks for a PDF before opening the booklet window.
inline constexpr const char* choosePdfArgument = "--scegli-pdf";

// Which window the program opens when its first argument is not a command.
struct WindowRoute {
    enum class Window { Main, Booklet, ChoosePdf, PrintJob };
    Window window = Window::Main;
    std::string document = {}; // the PDF of the booklet window, as given
    BookletJob job = {};       // a print job's choices, its document included
};

// The window `argv` asks for, once Qt's own options (-style, -platform, -session, -reverse...)
// are set aside for Qt: none opens the main window, one argument naming an existing file (what a
// file manager runs) the booklet window for it, choosePdfArgument the file chooser,
// engine::printJobArgument the booklet window for a print job. Throws
// UsageError for anything else: an unknown option, a command's option without its command, a
// file that isn't there.
WindowRoute windowRoute(int argc, const char* const argv[]);

// Whether a window system can be reached: on Linux a display in the environment, a platform
// chosen through QT_QPA_PLATFORM or -platform. Without one Qt would abort in English.
bool displayAvailable(int argc, const char* const argv[]);

} // namespace plicora
