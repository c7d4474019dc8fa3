#include "test_support.h"
#include "window_test_support.h"

#include "files/file_writer.h"
#include "tools/numbered_pdf/numbered_pdf.h"
#include "ui/calculator/calculator_form.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

using namespace plicora;
using namespace plicora::testing;
namespace fs = std::filesystem;

namespace {

struct Fault {
    const char* name;
    // Makes the fault inside `dir` and gives the path to type into OutOnFile.
    std::string (*prepare)(const fs::path& dir);
    const char* message; // nullptr: the file must be written
};

class FileFault : public ::testing::TestWithParam<Fault> {
protected:
    void SetUp() override {
        fs::permissions(dir, fs::perms::all); // an ordinary user may work in it
        form.show();
        child<QCheckBox>(&form, "Check1")->click();
    }

    MessageSeen pressWith(const std::string& path) {
        child<QLineEdit>(&form, "OutOnFile")->setText(QString::fromStdString(path));
        AsOrdinaryUser user;
        return answerMessageBox([this] { child<QPushButton>(&form, "Command1")->click(); });
    }

    const TemporaryDirectory temporary;
    const fs::path& dir = temporary.path();
    CalculatorForm form{fourUpCalculator()};
};

TEST_P(FileFault, isReportedAndTheNextGoodPathWorks) {
    const Fault& fault = GetParam();
    const std::string path = fault.prepare(dir);
    const MessageSeen box = pressWith(path);
    const fs::path typed(std::u8string(path.begin(), path.end()));
    std::error_code unreachable;
    const bool written =
        fs::is_regular_file(typed, unreachable) && readFile(typed).starts_with("Per stampare");
    if (fault.message) {
        EXPECT_TRUE(box.shown);
        EXPECT_EQ(box.text, fault.message);
        EXPECT_EQ(box.title, "Plicora");
        EXPECT_FALSE(written); // a read-only file keeps its text
    } else {
        EXPECT_FALSE(box.shown) << box.text.toStdString();
        EXPECT_TRUE(written);
    }
    const fs::path good = dir / "good.txt";
    EXPECT_FALSE(pressWith(good.string()).shown);
    EXPECT_TRUE(fs::exists(good));
}

std::string readOnlyFile(const fs::path& dir) {
    const fs::path file = dir / "read-only.txt";
    std::ofstream(file) << "keep me";
    fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    return file.string();
}

std::string lockedFolder(const fs::path& dir) {
    const fs::path folder = dir / "locked";
    fs::create_directory(folder);
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::others_read |
                                fs::perms::others_exec);
    return (folder / "temp.txt").string();
}

INSTANTIATE_TEST_SUITE_P(
    Paths, FileFault,
    ::testing::Values(
        Fault{"missingFolder", [](const fs::path& d) { return (d / "missing" / "t.txt").string(); },
              cannotOpenMessage},
        Fault{"folder", [](const fs::path& d) { return d.string(); }, cannotOpenMessage},
        Fault{"emptyPath", [](const fs::path&) { return std::string(); }, cannotOpenMessage},
        // A NUL would cut the path short and write somewhere the user didn't name.
        Fault{"embeddedNul",
              [](const fs::path& d) { return (d / "").string() + std::string("t.txt\0x", 7); },
              cannotOpenMessage},
        Fault{"readOnlyFile", readOnlyFile, cannotOpenMessage},
        Fault{"folderWithoutWritePermission", lockedFolder, cannotOpenMessage},
        Fault{"fullDevice", [](const fs::path&) { return std::string("/dev/full"); },
              writeFailedMessage},
        // Nobody reads it: waiting for a reader would freeze the window for good.
        Fault{"fifoWithoutReader",
              [](const fs::path& d) {
                  const fs::path fifo = d / "fifo";
                  mkfifo(fifo.c_str(), 0666);
                  return fifo.string();
              },
              cannotOpenMessage},
        Fault{"accentedAndNonLatin",
              [](const fs::path& d) { return (d / "").string() + "Perch\u00e9 \u4e2d\u6587.txt"; },
              nullptr},
        // The path and the reason are for the command line: the window keeps its short text.
        Fault{"linkLoop",
              [](const fs::path& d) {
                  fs::create_symlink("loop", d / "loop");
                  return (d / "loop").string();
              },
              cannotOpenMessage},
        Fault{"nameTooLong", [](const fs::path& d) { return (d / std::string(300, 'x')).string(); },
              cannotOpenMessage},
        Fault{"pathTooLong",
              [](const fs::path& d) {
                  std::string path = d.string();
                  while (path.size() < 5000)
                      path += "/abcdefgh";
                  return path;
              },
              cannotOpenMessage}),
    caseName<Fault>);

// A command run with a fault around its files: standard output that fails after the files are
// written, a document that is also the output, a pair whose names alias, a signal while the
// writer holds a hidden file. It fails, and every file of its folder is as it was, byte for byte.
struct CommandFault {
    const char* name;
    std::vector<std::string> arguments; // "@" starts a name in the folder
    ChildSetup setup;                   // its input, "@" likewise
    int status = 1;                     // or -1 for a signal
    int signal = 0;
};

class CommandFaults : public ::testing::TestWithParam<CommandFault> {};

TEST_P(CommandFaults, changeNoFile) {
    const CommandFault& c = GetParam();
    const TemporaryDirectory temporary;
    const fs::path& dir = temporary.path();
    writeNumberedPdf(dir / "doc.pdf", std::vector<NumberedPage>(8));
    for (const char* name : {"b.pdf", "p-fronte.pdf", "p-retro.pdf", "seq.txt"})
        std::ofstream(dir / name) << "earlier " << name;
    // The fronts' name a link to the backs' file; to backs not there yet, directly and through a
    // link to the folder itself.
    fs::copy_file(dir / "p-retro.pdf", dir / "q-retro.pdf");
    fs::create_symlink("q-retro.pdf", dir / "q-fronte.pdf");
    fs::create_symlink("r-retro.pdf", dir / "r-fronte.pdf");
    fs::create_symlink(".", dir / "here");
    fs::create_symlink("here/s-retro.pdf", dir / "s-fronte.pdf");
    const auto inDir = [&](const std::string& text) {
        return text.starts_with('@') ? (dir / text.substr(1)).string() : text;
    };
    std::vector<std::string> arguments;
    for (const std::string& argument : c.arguments)
        arguments.push_back(inDir(argument));
    ChildSetup setup = c.setup;
    setup.input = setup.input.empty() ? "" : inDir(setup.input);
    setup.outputFile = inDir(setup.outputFile);
    const auto before = folderContents(dir);
    const ChildRun run = runProgram(PLICORA_EXECUTABLE, arguments, setup);
    EXPECT_EQ(run.status, c.status) << run.err;
    EXPECT_EQ(run.signal, c.signal);
    if (c.signal == 0) {
        EXPECT_TRUE(run.err.starts_with("plicora: ")) << run.err;
    }
    EXPECT_EQ(folderContents(dir), before);
}

std::vector<std::string> booklet(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), {"opuscolo", "--modo", "4"});
    return arguments;
}

const std::vector<std::string> sequenceToFile = {"sequenza", "--modo", "4",       "--pagine",
                                                 "8",        "--file", "@seq.txt"};

// The file writer's hidden named file, with `signal` sent while it is half-written.
ChildSetup namedFileAndSignal(int signal) {
    return {.environment = {"LD_PRELOAD=" NAMED_TEMPORARY_FILES,
                            "PLICORA_TEST_SIGNAL=" + std::to_string(signal),
                            // The sanitizers' runtime would want to be preloaded first.
                            "ASAN_OPTIONS=verify_asan_link_order=0"}};
}

INSTANTIATE_TEST_SUITE_P(
    Faults, CommandFaults,
    ::testing::Values(
        CommandFault{"bookletOutputClosed",
                     booklet({"@doc.pdf", "-o", "@b.pdf"}),
                     {.output = Output::Closed}},
        CommandFault{
            "bookletOutputFull", booklet({"@doc.pdf", "-o", "@b.pdf"}), {.output = Output::Full}},
        CommandFault{"pairOutputFull",
                     booklet({"@doc.pdf", "-o", "@p.pdf", "--separati"}),
                     {.output = Output::Full}},
        CommandFault{"testSheetOutputFull",
                     {"prova", "--modo", "4", "-o", "@p.pdf"},
                     {.output = Output::Full}},
        CommandFault{"sequenceFileOutputFull", sequenceToFile, {.output = Output::Full}},
        CommandFault{"sequenceFileOutputClosed", sequenceToFile, {.output = Output::Closed}},
        CommandFault{
            "documentOnInputIsTheOutput", booklet({"-", "-o", "@doc.pdf"}), {.input = "@doc.pdf"}},
        CommandFault{
            "devStdinIsTheOutput", booklet({"-", "-o", "/dev/stdin"}), {.input = "@doc.pdf"}},
        CommandFault{"pairThroughALink", booklet({"@doc.pdf", "-o", "@q.pdf", "--separati"}), {}},
        CommandFault{
            "pairThroughADanglingLink", booklet({"@doc.pdf", "-o", "@r.pdf", "--separati"}), {}},
        CommandFault{
            "pairThroughAFolderLink", booklet({"@doc.pdf", "-o", "@s.pdf", "--separati"}), {}},
        CommandFault{"testSheetThroughADanglingLink", {"prova", "--modo", "4", "-o", "@r.pdf"}, {}},
        // Standard output that is the document, however it was opened.
        CommandFault{"outputAppendedToTheDocument",
                     booklet({"@doc.pdf", "-o", "-"}),
                     {.output = Output::Append, .outputFile = "@doc.pdf"}},
        CommandFault{"outputOverTheDocument",
                     booklet({"@doc.pdf", "-o", "-"}),
                     {.output = Output::ReadWrite, .outputFile = "@doc.pdf"}},
        CommandFault{"outputOverTheDocumentOnInput",
                     booklet({"-", "-o", "-"}),
                     {.output = Output::ReadWrite, .input = "@doc.pdf", .outputFile = "@doc.pdf"}},
        // A document read from a device has no folder to put the booklet in.
        CommandFault{"devStdinWithoutOutput", booklet({"/dev/stdin"}), {.input = "@doc.pdf"}, 2},
        CommandFault{"optionTwice", booklet({"@doc.pdf", "--modo", "8", "-o", "@b.pdf"}), {}, 2},
        CommandFault{"interruptedWithNamedFile", booklet({"@doc.pdf", "-o", "@b.pdf"}),
                     namedFileAndSignal(SIGINT), -1, SIGINT},
        CommandFault{"terminatedWithNamedFile", booklet({"@doc.pdf", "-o", "@b.pdf"}),
                     namedFileAndSignal(SIGTERM), -1, SIGTERM},
        CommandFault{"hungUpWithNamedFilePair", booklet({"@doc.pdf", "-o", "@p.pdf", "--separati"}),
                     namedFileAndSignal(SIGHUP), -1, SIGHUP}),
    caseName<CommandFault>);

} // namespace
