#include "test_support.h"

#include "core/user_error.h"
#include "files/file_writer.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <thread>
#include <tuple>

#include <csignal>
#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace plicora;
using plicora::testing::AsOrdinaryUser;
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

// What a FileError should say: its message, its errno value, and the path with the reason.
void expectFileError(const std::function<void()>& run, const char* message, int error,
                     const std::string& shownPath) {
    try {
        run();
        ADD_FAILURE() << "no error";
    } catch (const FileError& e) {
        EXPECT_STREQ(e.what(), message);
        EXPECT_EQ(e.error(), error) << std::strerror(e.error());
        EXPECT_EQ(e.detail(), shownPath + ": " + fileErrorReason(error));
    }
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

// Each failure a user meets names its reason.
struct Refusal {
    const char* name;
    std::string (*prepare)(const fs::path& dir); // the path to write
    const char* message;
    int error;
};

class RefusedPath : public ::testing::TestWithParam<Refusal> {};

TEST_P(RefusedPath, saysThePathAndTheReason) {
    const TemporaryDirectory dir;
    const std::string path = GetParam().prepare(dir.path());
    expectFileError([&] { writeFile(path, "new"); }, GetParam().message, GetParam().error, path);
}

INSTANTIATE_TEST_SUITE_P(
    Reasons, RefusedPath,
    ::testing::Values(
        Refusal{"missingFolder", [](const fs::path& d) { return (d / "missing" / "f").string(); },
                cannotOpenMessage, ENOENT},
        Refusal{"folder", [](const fs::path& d) { return d.string(); }, cannotOpenMessage, EISDIR},
        Refusal{"notAFolder",
                [](const fs::path& d) {
                    std::ofstream(d / "file") << "x";
                    return (d / "file" / "f").string();
                },
                cannotOpenMessage, ENOTDIR},
        Refusal{"linkLoop",
                [](const fs::path& d) {
                    fs::create_symlink("loop", d / "loop");
                    return (d / "loop").string();
                },
                cannotOpenMessage, ELOOP},
        Refusal{"nameTooLong",
                [](const fs::path& d) { return (d / std::string(300, 'x')).string(); },
                cannotOpenMessage, ENAMETOOLONG},
        Refusal{"fifoWithoutReader",
                [](const fs::path& d) {
                    mkfifo((d / "fifo").c_str(), 0600);
                    return (d / "fifo").string();
                },
                cannotOpenMessage, ENXIO},
        Refusal{"deviceFull", [](const fs::path&) { return std::string("/dev/full"); },
                writeFailedMessage, ENOSPC}),
    plicora::testing::caseName<Refusal>);

// A name is its bytes: one that isn't UTF-8 is written as it is and shown escaped.
TEST(WriteFile, takesThePathsBytesAsTheyAre) {
    const TemporaryDirectory dir;
    const std::string name = "out\xe9.txt";
    writeFile((dir.path() / name).string(), "new");
    ASSERT_EQ(entries(dir.path()), 1u);
    EXPECT_EQ(fs::directory_iterator(dir.path())->path().filename().string(), name);
    EXPECT_EQ(FileError(cannotOpenMessage, "/x/\xe8\xe9\n\xc3\xa8.pdf", ENOENT).detail(),
              "/x/\\xE8\\xE9\\x0A\xc3\xa8.pdf: Cartella inesistente");
}

// The two files of a pair are replaced together or not at all.
enum class SecondFault { none, writeFails, placingFails };

struct PairCase {
    const char* name;
    bool firstExisted;
    SecondFault fault;
};

class FilePair : public ::testing::TestWithParam<PairCase> {};

TEST_P(FilePair, isReplacedWholeOrLeftAsItWas) {
    const PairCase& row = GetParam();
    const TemporaryDirectory dir;
    // The backs have a folder of their own, locked once both files are written: the new backs
    // can then neither be linked into it nor take the earlier ones' place.
    const fs::path folder = dir.path() / "backs";
    const fs::path first = dir.path() / "fronts.pdf", second = folder / "backs.pdf";
    fs::create_directory(folder);
    if (row.firstExisted)
        std::ofstream(first) << "earlier fronts";
    std::ofstream(second) << "earlier backs";
    fs::permissions(dir.path(), fs::perms::all);
    for (const fs::path& path : {first, second, folder})
        std::ignore = chown(path.c_str(), AsOrdinaryUser::user, 0);
    const auto writeSecond = [&](std::FILE* file) {
        std::fputs("new backs", file);
        if (row.fault == SecondFault::writeFails)
            throw std::runtime_error("stopped");
        if (row.fault == SecondFault::placingFails)
            fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
    };
    const auto write = [&] {
        const AsOrdinaryUser user;
        writeFilePair(
            first.string(), [](std::FILE* file) { std::fputs("new fronts", file); },
            second.string(), writeSecond);
    };
    if (row.fault == SecondFault::placingFails)
        expectFileError(write, writeFailedMessage, EACCES, second.string());
    else if (row.fault == SecondFault::writeFails)
        EXPECT_THROW(write(), std::runtime_error);
    else
        write();
    fs::permissions(folder, fs::perms::owner_all);
    if (row.fault == SecondFault::none) {
        EXPECT_EQ(readFile(first), "new fronts");
        EXPECT_EQ(readFile(second), "new backs");
    } else {
        EXPECT_EQ(readFile(first), row.firstExisted ? "earlier fronts" : "");
        EXPECT_EQ(fs::exists(first), row.firstExisted);
        EXPECT_EQ(readFile(second), "earlier backs");
    }
    // Nothing is left beside them: no new file, no earlier one kept aside.
    EXPECT_EQ(entries(dir.path()), row.firstExisted || row.fault == SecondFault::none ? 2u : 1u);
    EXPECT_EQ(entries(folder), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, FilePair,
    ::testing::Values(PairCase{"bothReplaced", true, SecondFault::none},
                      PairCase{"bothNew", false, SecondFault::none},
                      PairCase{"secondWriteFails", true, SecondFault::writeFails},
                      PairCase{"secondCannotBePlaced", true, SecondFault::placingFails},
                      PairCase{"secondCannotBePlacedFirstNew", false, SecondFault::placingFails}),
    plicora::testing::caseName<PairCase>);

// Mounts a file system only this process sees, so that nothing a test mounts outlives it: done
// once, while the process has one thread.
bool inOwnMountNamespace() {
    static const bool own = unshare(CLONE_NEWNS) == 0 &&
                            mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
    return own;
}

// A small tmpfs, for a disk that fills. Mounting needs root (CI runs as root).
class SmallFileSystem {
public:
    explicit SmallFileSystem(const fs::path& at) : at_(at) {
        fs::create_directory(at);
        mounted_ = geteuid() == 0 && inOwnMountNamespace() &&
                   mount("tmpfs", at.c_str(), "tmpfs", 0, "size=256k") == 0;
    }
    ~SmallFileSystem() {
        if (mounted_)
            umount2(at_.c_str(), MNT_DETACH); // with the mounts made inside it
    }
    SmallFileSystem(const SmallFileSystem&) = delete;
    SmallFileSystem& operator=(const SmallFileSystem&) = delete;

    bool mounted() const { return mounted_; }

    // Makes `folder` take no new files, from root too, whom permission bits don't bind: the folder
    // is bind-mounted read-only over itself, and each of `files` writable over itself (a bind
    // mount starts with its source's flags, so it is then remounted writable).
    void lock(const fs::path& folder, std::initializer_list<fs::path> files) {
        ASSERT_EQ(mount(folder.c_str(), folder.c_str(), nullptr, MS_BIND, nullptr), 0);
        ASSERT_EQ(
            mount(nullptr, folder.c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr), 0);
        for (const fs::path& file : files) {
            ASSERT_EQ(mount(file.c_str(), file.c_str(), nullptr, MS_BIND, nullptr), 0);
            ASSERT_EQ(mount(nullptr, file.c_str(), nullptr, MS_REMOUNT | MS_BIND, nullptr), 0);
        }
    }

    // Takes all the free space but `bytes`.
    void fill(std::size_t bytes) {
        struct statvfs space {};
        ASSERT_EQ(statvfs(at_.c_str(), &space), 0);
        const auto free = static_cast<off_t>(space.f_bavail * space.f_frsize);
        const int fd = open((at_ / "filler").c_str(), O_CREAT | O_WRONLY, 0600);
        EXPECT_EQ(posix_fallocate(fd, 0, free - static_cast<off_t>(bytes)), 0);
        close(fd);
    }

private:
    fs::path at_;
    bool mounted_ = false;
};

// A writable file in a folder that takes no new files is written in place, and only when all of
// it fits: a disk too full leaves it exactly as it was, the other file of a pair too.
struct InPlaceCase {
    const char* name;
    std::size_t fronts, backs; // bytes of new content; no backs: the fronts alone
    std::size_t free;          // bytes left on the disk
    bool newFile;              // the fronts are a new file, which the folder can't take
    int error;                 // 0: written
};

class LockedFolder : public ::testing::TestWithParam<InPlaceCase> {};

TEST_P(LockedFolder, isWrittenInPlaceOnlyWhenAllFits) {
    const InPlaceCase& row = GetParam();
    const TemporaryDirectory dir;
    SmallFileSystem disk(dir.path() / "disk");
    if (!disk.mounted())
        GTEST_SKIP() << "mounting a small file system needs root";
    const fs::path folder = dir.path() / "disk" / "locked";
    fs::create_directory(folder);
    const fs::path fronts = folder / (row.newFile ? "new.pdf" : "fronts.pdf");
    const fs::path backs = folder / "backs.pdf";
    const std::string earlier(20000, 'e');
    std::ofstream(folder / "fronts.pdf") << earlier;
    std::ofstream(backs) << earlier;
    disk.lock(folder, {folder / "fronts.pdf", backs});
    disk.fill(row.free);
    const std::string newFronts(row.fronts, 'f'), newBacks(row.backs, 'b');
    const auto write = [&] {
        if (row.backs == 0)
            writeFile(fronts.string(), newFronts);
        else
            writeFilePair(
                fronts.string(), [&](std::FILE* f) { std::fputs(newFronts.c_str(), f); },
                backs.string(), [&](std::FILE* f) { std::fputs(newBacks.c_str(), f); });
    };
    if (row.error == 0) {
        write();
        EXPECT_EQ(readFile(fronts), newFronts);
        EXPECT_EQ(readFile(backs), row.backs ? newBacks : earlier);
        return;
    }
    expectFileError(write, row.newFile ? cannotOpenMessage : writeFailedMessage, row.error,
                    (row.backs ? backs : fronts).string());
    EXPECT_EQ(readFile(folder / "fronts.pdf"), earlier);
    EXPECT_EQ(readFile(backs), earlier);
    EXPECT_EQ(entries(folder), 2u);
}

INSTANTIATE_TEST_SUITE_P(
    NearlyFullDisk, LockedFolder,
    ::testing::Values(InPlaceCase{"fits", 30000, 0, 64 << 10, false, 0},
                      InPlaceCase{"doesNotFit", 200000, 0, 16 << 10, false, ENOSPC},
                      InPlaceCase{"pairFits", 30000, 30000, 128 << 10, false, 0},
                      InPlaceCase{"pairBacksDoNotFit", 10000, 200000, 64 << 10, false, ENOSPC},
                      InPlaceCase{"newFile", 100, 0, 64 << 10, true, EROFS}),
    plicora::testing::caseName<InPlaceCase>);

// Standard output is written through a descriptor already open; each failure is reported.
struct OutputCase {
    const char* name;
    int (*open)(); // the descriptor to write to, or -1 for a pipe whose reader is gone
    int error;
};

class StandardOutput : public ::testing::TestWithParam<OutputCase> {};

TEST_P(StandardOutput, reportsAFailedWrite) {
    const auto ignored = std::signal(SIGPIPE, SIG_IGN); // as the program does
    const int fd = GetParam().open();
    expectFileError([&] { writeOutput(fd, std::string(1 << 20, 'x')); }, outputWriteFailedMessage,
                    GetParam().error, standardOutputName);
    close(fd);
    std::signal(SIGPIPE, ignored);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, StandardOutput,
    ::testing::Values(OutputCase{"deviceFull", [] { return open("/dev/full", O_WRONLY); }, ENOSPC},
                      OutputCase{"readerGone",
                                 [] {
                                     int ends[2];
                                     EXPECT_EQ(pipe(ends), 0);
                                     close(ends[0]);
                                     return ends[1];
                                 },
                                 EPIPE},
                      OutputCase{"closed", [] { return 1000; }, EBADF}),
    plicora::testing::caseName<OutputCase>);

TEST(StandardOutput, writesEverything) {
    int ends[2];
    ASSERT_EQ(pipe(ends), 0);
    std::string received;
    std::thread reading([&] {
        char buffer[4096];
        for (ssize_t n; (n = read(ends[0], buffer, sizeof buffer)) > 0;)
            received.append(buffer, static_cast<std::size_t>(n));
    });
    const std::string sent(300000, 'o');
    writeOutput(ends[1], sent);
    close(ends[1]);
    reading.join();
    close(ends[0]);
    EXPECT_EQ(received, sent);
}

} // namespace
