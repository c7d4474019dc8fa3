// The one place the booklet printer knows how the engine is run.
#include "engine_job.h"

#include "child_process.h"
#include "engine/engine_protocol.h"
#include "printer_messages.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <mutex>
#include <set>
#include <string>
#include <variant>

namespace plicora::printer {
namespace {

std::mutex enginesMutex;
std::set<pid_t> engines;
bool stopping = false;

// The engine's job for `print`, or the reason its settings can't make one.
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

pid_t startEngine(const std::vector<std::string>& arguments, int output, int errors) {
    std::vector<std::string> command{engine::enginePath().string()};
    command.insert(command.end(), arguments.begin(), arguments.end());
    std::lock_guard lock(enginesMutex);
    if (stopping)
        return 0;
    // Printing by hand it would wait for the stack to be put back: with nothing on its
    // standard input, it sends nothing more.
    const pid_t pid = startChild(command, output, errors);
    if (pid != 0)
        engines.insert(pid);
    return pid;
}

// Reads the engine's two outputs until it closes them, line by line.
class EngineReader {
public:
    EngineReader(int output, int errors) : fds_{{{output, POLLIN, 0}, {errors, POLLIN, 0}}} {}

    // Waits at most `milliseconds` for lines; false once both outputs are closed.
    bool read(int milliseconds, const std::function<void(std::string_view)>& onOutput) {
        if (fds_[0].fd < 0 && fds_[1].fd < 0)
            return false;
        if (poll(fds_.data(), fds_.size(), milliseconds) <= 0)
            return true;
        for (std::size_t i = 0; i < fds_.size(); ++i) {
            if (fds_[i].fd < 0 || fds_[i].revents == 0)
                continue;
            char buffer[4096];
            const ssize_t got = ::read(fds_[i].fd, buffer, sizeof buffer);
            if (got <= 0) {
                close(fds_[i].fd);
                fds_[i].fd = -1;
                continue;
            }
            pending_[i].append(buffer, static_cast<std::size_t>(got));
            for (auto end = pending_[i].find('\n'); end != std::string::npos;
                 end = pending_[i].find('\n')) {
                const std::string line = pending_[i].substr(0, end);
                pending_[i].erase(0, end + 1);
                if (i == 0)
                    onOutput(line);
                else
                    errors_ += (errors_.empty() ? "" : " ") + line;
            }
        }
        return true;
    }

    const std::string& errors() const { return errors_; }

private:
    std::array<pollfd, 2> fds_;
    std::array<std::string, 2> pending_;
    std::string errors_;
};

} // namespace

PrintOutcome printBooklet(const BookletPrint& print, const std::function<bool()>& cancelled,
                          const std::function<void(const std::string&)>& onJob) {
    const auto job = bookletJob(print);
    if (const auto* reason = std::get_if<std::string>(&job))
        return {false, *reason};
    int output[2], errors[2];
    if (pipe2(output, O_CLOEXEC) != 0)
        return {false, engine::missingMessage};
    if (pipe2(errors, O_CLOEXEC) != 0) {
        close(output[0]);
        close(output[1]);
        return {false, engine::missingMessage};
    }
    const pid_t pid =
        startEngine(engine::arguments(std::get<BookletJob>(job)), output[1], errors[1]);
    close(output[1]);
    close(errors[1]);
    EngineReader reader(output[0], errors[0]);
    if (pid == 0) {
        while (reader.read(0, [](std::string_view) {}))
            ;
        return {false, engine::missingMessage};
    }
    bool stopped = false;
    const auto onOutput = [&](std::string_view line) {
        if (const auto status = engine::readJobLine(line))
            onJob(printingOnMessage(print.printer) +
                  (status->message.empty() ? "" : ": " + status->message));
    };
    while (reader.read(500, onOutput))
        if (!stopped && cancelled()) {
            kill(pid, SIGTERM);
            stopped = true;
        }
    int status = 0;
    waitpid(pid, &status, 0);
    {
        std::lock_guard lock(enginesMutex);
        engines.erase(pid);
    }
    if (WIFEXITED(status) && WEXITSTATUS(status) == exitSuccess)
        return {true};
    if (WIFEXITED(status) && !reader.errors().empty())
        return {false, reader.errors()};
    return {false, engine::diedMessage};
}

void stopAllEngines() {
    std::lock_guard lock(enginesMutex);
    stopping = true;
    for (const pid_t pid : engines)
        kill(pid, SIGTERM);
}

} // namespace plicora::printer
