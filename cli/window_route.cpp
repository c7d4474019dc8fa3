#include "window_route.h"

#include "cli_messages.h"
#include "console/console.h"
#include "engine/engine_protocol.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string_view>
#include <vector>

namespace plicora {
namespace {

// Qt's own options, which QApplication takes out of the arguments: with a value, and without.
constexpr std::string_view qtOptionsWithValue[] = {"platform",
                                                   "platformpluginpath",
                                                   "platformtheme",
                                                   "plugin",
                                                   "qwindowgeometry",
                                                   "geometry",
                                                   "qwindowtitle",
                                                   "title",
                                                   "qwindowicon",
                                                   "icon",
                                                   "display",
                                                   "session",
                                                   "style",
                                                   "stylesheet",
                                                   "name",
                                                   "visual",
                                                   "qmljsdebugger"};
constexpr std::string_view qtFlags[] = {"reverse", "nograb",      "dograb",
                                        "sync",    "widgetcount", "testability"};
// The commands' options, which mean something only after a command.
constexpr std::string_view commandOptions[] = {
    "modo", "pagine", "prima",    "separatore",  "file",          "fascicoli",
    "o",    "uscita", "separati", "scorrimento", "retro-inverso", "retro-capovolti"};

template <std::size_t N> bool listed(const std::string_view (&names)[N], std::string_view name) {
    return std::find(std::begin(names), std::end(names), name) != std::end(names);
}

// The arguments that are not Qt's, in order.
std::vector<std::string_view> ownArguments(int argc, const char* const argv[]) {
    std::vector<std::string_view> own;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        std::string_view name = argument;
        if (name.starts_with("--"))
            name.remove_prefix(2);
        else if (name.starts_with("-"))
            name.remove_prefix(1);
        const bool valueJoined = name.find('=') != std::string_view::npos;
        name = name.substr(0, name.find('='));
        if (argument.starts_with("-") && listed(qtOptionsWithValue, name))
            i += valueJoined ? 0 : 1; // its value is Qt's too
        else if (!argument.starts_with("-") || !listed(qtFlags, name))
            own.push_back(argument);
    }
    return own;
}

bool environmentSet(const char* name) {
    const char* value = std::getenv(name);
    return value && *value;
}

} // namespace

WindowRoute windowRoute(int argc, const char* const argv[]) {
    const std::vector<std::string_view> own = ownArguments(argc, argv);
    if (own.empty())
        return {};
    const std::string_view first = own.front();
    if (own.size() == 1 && first == choosePdfArgument)
        return {WindowRoute::Window::ChoosePdf};
    std::error_code error;
    if (first == engine::printJobArgument) {
        BookletJob job = engine::readArguments(std::span(own).subspan(1));
        if (!std::filesystem::is_regular_file(job.document, error))
            throw UsageError(missingFileMessage(job.document));
        return {WindowRoute::Window::PrintJob, job.document, std::move(job)};
    }
    if (own.size() == 1 && !first.starts_with("-") &&
        std::filesystem::is_regular_file(first, error))
        return {WindowRoute::Window::Booklet, std::string(first)};
    for (const std::string_view argument : own) {
        if (!argument.starts_with("-"))
            continue;
        const std::size_t start = argument.find_first_not_of('-');
        const std::string_view name =
            start == std::string_view::npos ? std::string_view() : argument.substr(start);
        if (listed(commandOptions, name.substr(0, name.find('='))))
            throw UsageError(optionWithoutCommandMessage(argument));
        throw UsageError(unknownOptionMessage(argument));
    }
    if (own.size() == 1 && !std::filesystem::exists(first, error))
        throw UsageError(missingFileMessage(first));
    throw UsageError(unexpectedArgumentMessage(own.size() == 1 ? first : own[1]));
}

bool displayAvailable(int argc, const char* const argv[]) {
    if (environmentSet("DISPLAY") || environmentSet("WAYLAND_DISPLAY") ||
        environmentSet("QT_QPA_PLATFORM"))
        return true;
    for (int i = 1; i < argc; ++i)
        if (argv[i] == std::string_view("-platform") || argv[i] == std::string_view("--platform"))
            return true;
    return false;
}

} // namespace plicora
