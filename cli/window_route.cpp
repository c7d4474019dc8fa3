#include "window_route.h"

#include <cstdlib>
#include <filesystem>
#include <string_view>

namespace plicora {
namespace {

bool environmentSet(const char* name) {
    const char* value = std::getenv(name);
    return value && *value;
}

} // namespace

WindowRoute windowRoute(int argc, const char* const argv[]) {
    if (argc > 1 && argv[1] == std::string_view(choosePdfArgument))
        return {WindowRoute::Window::ChoosePdf};
    std::error_code error;
    if (argc == 2 && std::filesystem::is_regular_file(argv[1], error))
        return {WindowRoute::Window::Booklet, argv[1]};
    return {};
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
