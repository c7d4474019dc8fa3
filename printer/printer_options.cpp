#include "printer_options.h"

#include "console/console.h"
#include "printer_messages.h"

#include <charconv>

namespace plicora::printer {
namespace {

constexpr std::string_view portOption = "--porta";
constexpr std::string_view folderOption = "--cartella";
constexpr std::string_view folderName = "plicora-stampante";

int readPort(std::string_view text) {
    int port = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), port);
    if (error != std::errc() || end != text.data() + text.size() || port < 1 || port > 65535)
        throw UsageError(badPortMessage(text));
    return port;
}

} // namespace

std::filesystem::path defaultFolder(const char* stateHome, const char* home) {
    // XDG: a relative XDG_STATE_HOME is invalid and must be ignored.
    if (stateHome && stateHome[0] == '/')
        return std::filesystem::path(stateHome) / folderName;
    if (home && home[0] == '/')
        return std::filesystem::path(home) / ".local/state" / folderName;
    return {};
}

PrinterOptions readPrinterOptions(std::span<const std::string_view> args,
                                  const std::filesystem::path& fallback) {
    PrinterOptions options;
    options.folder = fallback;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view option = args[i];
        if (option != portOption && option != folderOption)
            throw UsageError(unknownOptionMessage(option));
        if (i + 1 == args.size() || args[i + 1].empty())
            throw UsageError(missingValueMessage(option));
        const std::string_view value = args[++i];
        if (option == portOption)
            options.port = readPort(value);
        else
            options.folder = std::filesystem::absolute(value);
    }
    if (options.folder.empty())
        throw UsageError(noFolderMessage);
    return options;
}

} // namespace plicora::printer
