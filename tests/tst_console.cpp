#include "test_support.h"

#include "console/console.h"
#include "console/failure.h"
#include "console/signals.h"
#include "files/file_error.h"
#include "files/file_messages.h"
#include "files/held_files.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <functional>
#include <new>
#include <thread>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace plicora;
using namespace std::chrono_literals;
namespace fs = std::filesystem;

namespace {

struct LadderCase {
    const char* name;
    std::function<void()> fail;
    Failure failure;
};

class CatchLadder : public ::testing::TestWithParam<LadderCase> {};

// What `run` writes on standard error.
std::string standardErrorOf(const std::function<void()>& run) {
    std::fflush(stderr);
    std::FILE* capture = std::tmpfile();
    const int saved = ::dup(STDERR_FILENO);
    ::dup2(fileno(capture), STDERR_FILENO);
    run();
    std::fflush(stderr);
    ::dup2(saved, STDERR_FILENO);
    ::close(saved);
    std::string text(static_cast<std::size_t>(std::ftell(capture)), '\0');
    std::rewind(capture);
    text.resize(std::fread(text.data(), 1, text.size(), capture));
    std::fclose(capture);
    return text;
}

// Whatever a command throws ends in one status and one Italian message, never in a crash.
TEST_P(CatchLadder, givesEachExceptionItsStatusAndMessage) {
    const LadderCase& c = GetParam();
    Failure failure;
    try {
        c.fail();
    } catch (...) {
        failure = currentFailure();
    }
    EXPECT_EQ(failure, c.failure);
    int status = exitSuccess;
    const std::string errors = standardErrorOf([&] {
        status = runReporting(
            [&] {
                c.fail();
                return exitSuccess;
            },
            errorLinePrefix);
    });
    EXPECT_EQ(status, c.failure.status);
    EXPECT_EQ(errors, "plicora: " + c.failure.message + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Exceptions, CatchLadder,
    ::testing::Values(
        LadderCase{"usage",
                   [] { throw UsageError("Manca il documento"); },
                   {exitUsage, "Manca il documento"}},
        LadderCase{"user",
                   [] { throw UserError("Il documento PDF non contiene pagine"); },
                   {exitFailure, "Il documento PDF non contiene pagine"}},
        LadderCase{
            "fileWithPathAndReason",
            [] { throw FileError(cannotOpenMessage, "a/b.pdf", ENOENT); },
            {exitFailure, std::string(cannotOpenMessage) + " (a/b.pdf: Cartella inesistente)"}},
        LadderCase{"memory", [] { throw std::bad_alloc(); }, {exitFailure, outOfMemoryText}},
        LadderCase{"library",
                   [] { throw std::logic_error("max object id"); },
                   {exitFailure, "Errore imprevisto: max object id"}},
        LadderCase{"notAnException", [] { throw 42; }, {exitFailure, "Errore imprevisto"}}),
    plicora::testing::caseName<LadderCase>);

struct TimeLimitCase {
    const char* name;
    bool lifted;
    int status;
    const char* err;
};

class TimeLimit : public ::testing::TestWithParam<TimeLimitCase> {};

// A run that outlasts its limit ends as a failure with its line, and leaves no hidden file.
TEST_P(TimeLimit, endsTheRunWithItsLineAndRemovesTheHiddenFile) {
    const TimeLimitCase& c = GetParam();
    const plicora::testing::TemporaryDirectory dir;
    const fs::path hidden = dir.path() / ".b.pdf.plicora-abcdef", err = dir.path() / "err";
    const pid_t child = fork();
    if (child == 0) {
        const int fd = open(err.c_str(), O_WRONLY | O_CREAT, 0600);
        dup2(fd, STDERR_FILENO);
        std::ofstream(hidden) << "half";
        HeldFile held(hidden.string());
        endAfter(1s, "plicora: tempo scaduto\n");
        if (c.lifted)
            endAfter(0s, {});
        std::this_thread::sleep_for(1500ms);
        held.release();
        _exit(exitSuccess);
    }
    int status = -1;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), c.status);
    EXPECT_EQ(plicora::testing::readFile(err), c.err);
    EXPECT_EQ(fs::exists(hidden), c.lifted);
}

INSTANTIATE_TEST_SUITE_P(Runs, TimeLimit,
                         ::testing::Values(TimeLimitCase{"timeUp", false, exitFailure,
                                                         "plicora: tempo scaduto\n"},
                                           TimeLimitCase{"lifted", true, exitSuccess, ""}),
                         plicora::testing::caseName<TimeLimitCase>);

} // namespace
