#pragma once

#include <filesystem>
#include <span>
#include <string_view>

namespace plicora::printer {

// The port the booklet printer listens on when none is given: a fixed one, so that the CUPS
// queues made for it keep working from one session to the next.
inline constexpr int defaultPort = 8631;

// How the booklet printer runs.
struct PrinterOptions {
    int port = defaultPort;
    std::filesystem::path folder; // its state and spool
};

// The folder used without --cartella: `stateHome`/plicora-stampante, else
// `home`/.local/state/plicora-stampante; empty when neither is set (null or empty).
std::filesystem::path defaultFolder(const char* stateHome, const char* home);

// The options `args` (after the program's name) ask for, the folder defaulting to `fallback`;
// throws UsageError.
PrinterOptions readPrinterOptions(std::span<const std::string_view> args,
                                  const std::filesystem::path& fallback);

} // namespace plicora::printer
