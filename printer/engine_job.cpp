// The one place the booklet printer knows how the engine is run.
#include "engine_job.h"

#include "child_process.h"
#include "console/encoded_line.h"
#include "engine/engine_protocol.h"
#include "printer_messages.h"

#include <string>

namespace plicora::printer {

std::variant<BookletJob, std::string> bookletJob(const BookletPrint& print) {
    BookletJob job;
    job.document = print.document;
    job.printer = print.printer;
    job.paper = print.sheet;
    job.copies = print.copies;
    job.binding = {print.settings.rightToLeft, print.settings.backCoverLast};
    job.sheetsPerSignature = readSheetsPerSignature(print.settings.signatures);
    job.creep = readCreep(print.settings.creep);
    job.progress = true;
    job.bareMessages = true;
    // The engine words any other fault itself; the settings' own are the settings file's.
    if (std::optional<std::string> refusal = settingsRefusal(print.settings, print.settingsFile))
        return *std::move(refusal);
    return job;
}

PrintOutcome printBooklet(const BookletPrint& print, const std::function<bool()>& cancelled,
                          const std::function<void(const std::string&)>& onJob) {
    const auto job = bookletJob(print);
    if (const auto* reason = std::get_if<std::string>(&job))
        return {PrintOutcome::End::Refused, *reason};
    std::vector<std::string> command{engine::enginePath().string()};
    for (std::string& argument : engine::arguments(std::get<BookletJob>(job)))
        command.push_back(std::move(argument));
    // Printing by hand it would wait for the stack to be put back: with nothing on its standard
    // input, it sends nothing more.
    const auto end = runChild(command, cancelled, [&](std::string_view line) {
        if (const auto status = engine::readJobLine(line))
            onJob(printingOnMessage(print.printer) +
                  (status->message.empty() ? "" : ": " + status->message));
    });
    if (!end)
        return {PrintOutcome::End::Refused, engine::missingMessage};
    if (end->exited && end->status == exitSuccess)
        return {PrintOutcome::End::Printed};
    if (!end->exited || end->errors.empty())
        return {PrintOutcome::End::Refused, engine::diedMessage};
    // Its messages come bare, encoded for a window to read back.
    std::string message;
    for (const std::string& line : end->errors)
        message += (message.empty() ? "" : " ") + decodedLine(line).value_or(line);
    return {PrintOutcome::End::Refused, message};
}

} // namespace plicora::printer
