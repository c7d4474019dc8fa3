#include "child_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <mutex>
#include <set>

extern char** environ;

namespace plicora::printer {
namespace {

std::mutex childrenMutex;
std::set<pid_t> children;
bool stopping = false;

pid_t startChild(const std::vector<std::string>& command, int output, int errors) {
    std::vector<char*> argv;
    for (const std::string& argument : command)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, output, 1);
    posix_spawn_file_actions_adddup2(&actions, errors, 2);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t none;
    sigemptyset(&none);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK);
    pid_t pid = 0;
    std::lock_guard lock(childrenMutex);
    if (!stopping && posix_spawnp(&pid, argv[0], &actions, &attributes, argv.data(), environ) == 0)
        children.insert(pid);
    else
        pid = 0;
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

// Reads a child's two outputs until it closes them, line by line.
class OutputReader {
public:
    OutputReader(int output, int errors) : fds_{{{output, POLLIN, 0}, {errors, POLLIN, 0}}} {}
    ~OutputReader() {
        for (const pollfd& fd : fds_)
            if (fd.fd >= 0)
                close(fd.fd);
    }
    OutputReader(const OutputReader&) = delete;
    OutputReader& operator=(const OutputReader&) = delete;

    // Whether either output is still open.
    bool open() const { return fds_[0].fd >= 0 || fds_[1].fd >= 0; }

    // Waits at most `milliseconds` for lines; whether anything came.
    bool read(int milliseconds, const std::function<void(std::string_view)>& onOutput) {
        if (poll(fds_.data(), fds_.size(), milliseconds) <= 0)
            return false;
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
                    errors_.push_back(line);
            }
        }
        return true;
    }

    std::vector<std::string> takeErrors() { return std::move(errors_); }

private:
    std::array<pollfd, 2> fds_;
    std::array<std::string, 2> pending_;
    std::vector<std::string> errors_;
};

} // namespace

std::optional<ChildEnd> runChild(const std::vector<std::string>& command,
                                 const std::function<bool()>& cancelled,
                                 const std::function<void(std::string_view)>& onOutput) {
    int output[2], errors[2];
    if (pipe2(output, O_CLOEXEC) != 0)
        return std::nullopt;
    if (pipe2(errors, O_CLOEXEC) != 0) {
        close(output[0]);
        close(output[1]);
        return std::nullopt;
    }
    const pid_t pid = startChild(command, output[1], errors[1]);
    close(output[1]);
    close(errors[1]);
    OutputReader reader(output[0], errors[0]);
    if (pid == 0)
        return std::nullopt;
    bool stopped = false;
    int status = 0;
    // Until the child ends, though a program it started (a PDF viewer the window opened) may
    // keep its outputs open; once it has closed them, it is ending.
    for (bool ended = false; !ended;) {
        reader.read(500, onOutput);
        if (!stopped && cancelled()) {
            kill(pid, SIGTERM);
            stopped = true;
        }
        ended = waitpid(pid, &status, reader.open() ? WNOHANG : 0) == pid;
    }
    while (reader.read(0, onOutput)) // what it wrote just before it ended
        ;
    {
        std::lock_guard lock(childrenMutex);
        children.erase(pid);
    }
    return ChildEnd{WIFEXITED(status), WIFEXITED(status) ? WEXITSTATUS(status) : 0,
                    reader.takeErrors()};
}

void stopAllChildren() {
    std::lock_guard lock(childrenMutex);
    stopping = true;
    for (const pid_t pid : children)
        kill(pid, SIGTERM);
}

} // namespace plicora::printer
