#include "window_job.h"

#include "child_process.h"
#include "console/console.h"
#include "engine/engine_protocol.h"
#include "printer_messages.h"

#include <cstdlib>
#include <filesystem>

namespace plicora::printer {
namespace {

bool environmentSet(const char* name) {
    const char* value = std::getenv(name);
    return value && *value;
}

} // namespace

bool desktopSession() {
    return environmentSet("DISPLAY") || environmentSet("WAYLAND_DISPLAY");
}

bool shownInWindow(bool twoSided, std::optional<bool> preview, bool session) {
    return !twoSided || preview.value_or(session);
}

std::filesystem::path windowProgram() {
    std::error_code error;
    return std::filesystem::read_symlink("/proc/self/exe", error).parent_path() / "plicora";
}

PrintOutcome printFromWindow(const std::filesystem::path& program, const BookletPrint& print,
                             const std::function<bool()>& cancelled) {
    const auto job = bookletJob(print);
    if (const auto* reason = std::get_if<std::string>(&job))
        return {PrintOutcome::End::Refused, *reason};
    std::vector<std::string> command{program.string(), std::string(engine::printJobArgument)};
    for (std::string& argument : engine::arguments(std::get<BookletJob>(job)))
        command.push_back(std::move(argument));
    const auto end = runChild(command, cancelled, [](std::string_view) {});
    if (!end)
        return {PrintOutcome::End::Refused, windowMissingMessage};
    if (end->exited && end->status == exitSuccess)
        return {PrintOutcome::End::Printed};
    // Only its own error lines say why it could not open; Qt's warnings are not for the user.
    for (const std::string& line : end->errors)
        if (line.starts_with(errorLinePrefix))
            return {PrintOutcome::End::Refused,
                    line.substr(std::string_view(errorLinePrefix).size())};
    return {PrintOutcome::End::Closed, closedWithoutPrintingMessage};
}

} // namespace plicora::printer
