#include "test_support.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace plicora::testing {

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::map<std::string, std::string> folderContents(const std::filesystem::path& folder) {
    std::map<std::string, std::string> files;
    for (const std::filesystem::directory_entry& entry :
         std::filesystem::directory_iterator(folder))
        files[entry.path().filename()] = entry.is_regular_file() ? readFile(entry.path()) : "";
    return files;
}

TemporaryDirectory::TemporaryDirectory() {
    std::string name = (std::filesystem::temp_directory_path() / "plicora-XXXXXX").string();
    if (!mkdtemp(name.data()))
        throw std::runtime_error("no temporary folder: " + name);
    path_ = name;
}

TemporaryDirectory::~TemporaryDirectory() {
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ignored);
    std::filesystem::remove_all(path_, ignored);
}

AsOrdinaryUser::AsOrdinaryUser() : wasRoot_(geteuid() == 0) {
    if (wasRoot_) {
        EXPECT_EQ(seteuid(user), 0);
    }
}

AsOrdinaryUser::~AsOrdinaryUser() {
    if (wasRoot_) {
        EXPECT_EQ(seteuid(0), 0);
    }
}

ChildRun runProgram(const std::string& program, const std::vector<std::string>& arguments,
                    const ChildSetup& setup) {
    const TemporaryDirectory capture;
    const std::string err = capture.path() / "err";
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return {};
    const Output output = setup.output;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    if (!setup.input.empty())
        posix_spawn_file_actions_addopen(&actions, 0, setup.input.c_str(), O_RDONLY, 0);
    if (output == Output::Full)
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/full", O_WRONLY, 0);
    else if (output == Output::Closed)
        posix_spawn_file_actions_addclose(&actions, 1);
    else if (output == Output::Append)
        posix_spawn_file_actions_addopen(&actions, 1, setup.outputFile.c_str(), O_WRONLY | O_APPEND,
                                         0);
    else if (output == Output::ReadWrite)
        posix_spawn_file_actions_addopen(&actions, 1, setup.outputFile.c_str(), O_RDWR, 0);
    else
        posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], 1);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[1]);
    posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT, 0600);
    if (output == Output::ReaderGone)
        close(pipeEnds[0]);
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    std::vector<char*> environment;
    for (char** variable = environ; *variable; ++variable) {
        const std::string_view v = *variable;
        if (!v.starts_with("DISPLAY=") && !v.starts_with("WAYLAND_DISPLAY=") &&
            !v.starts_with("QT_QPA_PLATFORM="))
            environment.push_back(*variable);
    }
    for (const std::string& variable : setup.environment)
        environment.push_back(const_cast<char*>(variable.c_str()));
    environment.push_back(nullptr);
    ChildRun run;
    pid_t child = 0;
    const bool started =
        posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environment.data()) == 0;
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    char buffer[65536];
    for (ssize_t n;
         output != Output::ReaderGone && (n = read(pipeEnds[0], buffer, sizeof buffer)) > 0;)
        run.out.append(buffer, static_cast<std::size_t>(n));
    if (output != Output::ReaderGone)
        close(pipeEnds[0]);
    int status = 0;
    if (started && waitpid(child, &status, 0) == child) {
        run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        run.signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
    }
    run.err = readFile(err);
    return run;
}

} // namespace plicora::testing
