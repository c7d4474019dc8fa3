#include "test_support.h"

#include "core/user_error.h"
#include "files/file_writer.h"

#include <algorithm>
#include <fstream>
#include <thread>

#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace plicora;
using plicora::testing::readFile;
using plicora::testing::TemporaryDirectory;
namespace fs = std::filesystem;

namespace {

std::string utf8(const fs::path& path) {
    return reinterpret_cast<const char*>(path.u8string().c_str());
}

std::size_t entries(const fs::path& folder) {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), {}));
}

// The file is replaced whole: a symbolic link stays one, the permissions stay, nothing is left.
TEST(WriteFile, replacesTheTargetOfALinkKeepingItsPermissions) {
    const TemporaryDirectory dir;
    const fs::path file = dir.path() / u8"istruzioni \u00e8 \u4e2d.txt";
    const fs::path link = dir.path() / "link.txt";
    std::ofstream(file) << "an older and much longer file";
    const auto perms = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(file, perms);
    fs::create_symlink(file.filename(), link);
    writeFile(utf8(link), "a\r\n\xe8");
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(readFile(file), "a\r\n\xe8");
    EXPECT_EQ(fs::status(file).permissions(), perms);
    EXPECT_EQ(entries(dir.path()), 2u);
}

// Makes writes past `bytes` fail as a full disk does, for as long as it lives.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) : handler_(std::signal(SIGXFSZ, SIG_IGN)) {
        getrlimit(RLIMIT_FSIZE, &old_);
        const rlimit limit{bytes, old_.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, handler_);
    }

private:
    rlimit old_{};
    void (*handler_)(int);
};

// A write that fails half-way leaves the earlier file as it was, and no temporary file.
struct FailedWrite {
    const char* name;
    void (*write)(const std::string& path);
};

class FailingWrite : public ::testing::TestWithParam<FailedWrite> {};

TEST_P(FailingWrite, leavesTheEarlierFileWhole) {
    const TemporaryDirectory dir;
    const fs::path file = dir.path() / "instructions.txt";
    std::ofstream(file) << "earlier";
    EXPECT_ANY_THROW(GetParam().write(file.string()));
    EXPECT_EQ(readFile(file), "earlier");
    EXPECT_EQ(entries(dir.path()), 1u);
}

INSTANTIATE_TEST_SUITE_P(Faults, FailingWrite,
                         ::testing::Values(FailedWrite{"writerThrows",
                                                       [](const std::string& path) {
                                                           writeFile(path, [](std::FILE* file) {
                                                               std::fputs("half", file);
                                                               throw std::runtime_error("stopped");
                                                           });
                                                       }},
                                           FailedWrite{"diskFull",
                                                       [](const std::string& path) {
                                                           const FileSizeLimit full(4096);
                                                           writeFile(path,
                                                                     std::string(1 << 20, 'x'));
                                                       }}),
                         plicora::testing::caseName<FailedWrite>);

// A process killed at any moment leaves the earlier content or the new one, whole.
TEST(WriteFile, survivesAKillAtAnyMoment) {
    const TemporaryDirectory dir;
    const std::string path = (dir.path() / "instructions.txt").string();
    const std::string first(3 << 20, 'a'), second(2 << 20, 'b');
    writeFile(path, first);
    for (int round = 0; round < 20; ++round) {
        const pid_t child = fork();
        if (child == 0)
            for (int i = 0;; ++i)
                writeFile(path, i % 2 ? first : second);
        usleep(static_cast<useconds_t>(1000 + round * 1500));
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        const std::string left = readFile(path);
        ASSERT_TRUE(left == first || left == second) << "round " << round << ": " << left.size();
    }
}

// A FIFO is written directly when a process reads it, and refused, not waited for, when none does.
TEST(WriteFile, writesAFifoOnlyWhileItHasAReader) {
    const TemporaryDirectory dir;
    const std::string fifo = (dir.path() / "fifo").string();
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    try {
        writeFile(fifo, "nobody reads");
        ADD_FAILURE() << "written without a reader";
    } catch (const UserError& e) {
        EXPECT_STREQ(e.what(), cannotOpenMessage);
    }
    const int reader = open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
    const int keepOpen = open(fifo.c_str(), O_WRONLY); // reads wait for data rather than end
    fcntl(reader, F_SETFL, 0);
    const std::string sent(100000, 'f');
    std::string received;
    std::thread reading([&] {
        char buffer[4096];
        for (ssize_t n = 1; n > 0 && received.size() < sent.size();) {
            n = read(reader, buffer, sizeof buffer);
            received.append(buffer, static_cast<std::size_t>(std::max<ssize_t>(n, 0)));
        }
    });
    writeFile(fifo, sent);
    reading.join();
    close(keepOpen);
    close(reader);
    EXPECT_EQ(received, sent);
}

} // namespace
