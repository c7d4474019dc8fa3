#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include <sys/types.h>

namespace plicora::testing {

// Names each row of a parameter table after its `name` member.
template <typename Row> std::string caseName(const ::testing::TestParamInfo<Row>& info) {
    return info.param.name;
}

// The whole content of the file at `path`, byte for byte; empty when it can't be read.
std::string readFile(const std::filesystem::path& path);

// Every file of `folder` by name, with its content (empty for what isn't a regular file).
std::map<std::string, std::string> folderContents(const std::filesystem::path& folder);

// A new folder of its own under the system's temporary folder, removed with all it holds.
class TemporaryDirectory {
public:
    TemporaryDirectory();
    ~TemporaryDirectory();
    TemporaryDirectory(const TemporaryDirectory&) = delete;
    TemporaryDirectory& operator=(const TemporaryDirectory&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

// Permission bits don't bind root: CI runs as root, so what rests on them runs as an ordinary
// user (nobody) for as long as this lives.
class AsOrdinaryUser {
public:
    AsOrdinaryUser();
    ~AsOrdinaryUser();
    AsOrdinaryUser(const AsOrdinaryUser&) = delete;
    AsOrdinaryUser& operator=(const AsOrdinaryUser&) = delete;

    static constexpr uid_t user = 65534;

private:
    bool wasRoot_;
};

// Where a program run by runProgram() sends its standard output: Append and ReadWrite are the
// setup's outputFile as `>>` and `1<>` open it.
enum class Output { Pipe, Full, Closed, ReaderGone, Append, ReadWrite };

// How runProgram() starts a program besides its arguments.
struct ChildSetup {
    Output output = Output::Pipe;
    std::string input = {};                    // the file on standard input; none when empty
    std::string outputFile = {};               // for Output::Append and Output::ReadWrite
    std::vector<std::string> environment = {}; // "NAME=value", added to this process's
};

// What a program run by runProgram() gave: its exit status, or -1 and the signal that ended it,
// and what it wrote on standard output and standard error.
struct ChildRun {
    int status = -1;
    int signal = 0;
    std::string out, err;
};

// Runs `program` with `arguments` as from a terminal without any display, and waits for it.
ChildRun runProgram(const std::string& program, const std::vector<std::string>& arguments,
                    const ChildSetup& setup = {});

} // namespace plicora::testing
