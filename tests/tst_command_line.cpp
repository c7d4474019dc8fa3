#include "test_support.h"

#include "core/four_up.h"
#include "imposition/imposition_messages.h"
#include "output/calculation.h"
#include "output/file_writer.h"
#include "tools/numbered_pdf/numbered_pdf.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <fstream>
#include <map>

extern char** environ;

using namespace plicora;
using namespace plicora::testing;
namespace fs = std::filesystem;

namespace {

struct ChildRun {
    int status = -1;
    std::string out, err;
};

// Runs the real program with `arguments`, as from a terminal without any display.
ChildRun runPlicora(const std::vector<std::string>& arguments) {
    const TemporaryDirectory capture;
    const std::string out = capture.path() / "out", err = capture.path() / "err";
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT, 0600);
    std::vector<char*> argv{const_cast<char*>(PLICORA_EXECUTABLE)};
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
    environment.push_back(nullptr);
    ChildRun run;
    pid_t child = 0;
    if (posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environment.data()) == 0 &&
        waitpid(child, &run.status, 0) == child)
        run.status = WIFEXITED(run.status) ? WEXITSTATUS(run.status) : -1;
    posix_spawn_file_actions_destroy(&actions);
    run.out = readFile(out);
    run.err = readFile(err);
    return run;
}

std::string withLineFeeds(std::string text) {
    for (std::size_t at; (at = text.find("\r\n")) != std::string::npos;)
        text.erase(at, 1);
    return text;
}

// `sequenza` against one press of the window's button with the same fields.
struct SequenceCase {
    const char* name;
    Mode mode;
    const char* pages;
    const char* first;
    const char* separator;
    const char* file; // under the test's folder, or nullptr for none
};

class SequenceCommand : public ::testing::TestWithParam<SequenceCase> {};

TEST_P(SequenceCommand, givesWhatTheWindowGives) {
    const SequenceCase& c = GetParam();
    const TemporaryDirectory dir;
    const std::string cliFile = dir.path() / "cli" / (c.file ? c.file : "");
    const std::string windowFile = dir.path() / "window" / (c.file ? c.file : "");
    fs::create_directories(dir.path() / "cli");
    fs::create_directories(dir.path() / "window");
    std::vector<std::string> arguments{
        "sequenza", "--modo",       c.mode == Mode::FourUp ? "4" : "8",
        "--pagine", c.pages,        "--prima",
        c.first,    "--separatore", c.separator};
    if (c.file)
        arguments.insert(arguments.end(), {"--file", cliFile});
    const ChildRun run = runPlicora(arguments);
    const CalculationOutcome window = calculate({.mode = c.mode,
                                                 .pageCountText = c.pages,
                                                 .firstPageText = c.first,
                                                 .separator = c.separator,
                                                 .writeFile = c.file != nullptr,
                                                 .filePath = windowFile});
    std::string err;
    if (window.check && window.check->adjusted)
        err = "Numero totale di pagine: " + window.check->pageCountText + "\n" +
              window.check->pageWarning + "\n";
    if (!window.error.empty())
        err += window.error + "\n";
    EXPECT_EQ(run.out, withLineFeeds(window.listing.value_or("")));
    EXPECT_EQ(run.err, err);
    EXPECT_EQ(run.status, window.error.empty() ? 0 : 1);
    EXPECT_EQ(fs::exists(cliFile), fs::exists(windowFile));
    EXPECT_EQ(readFile(cliFile), readFile(windowFile));
}

INSTANTIATE_TEST_SUITE_P(
    Fields, SequenceCommand,
    ::testing::Values(
        SequenceCase{"fourUp40", Mode::FourUp, "40", "1", ",", "seq.txt"},
        SequenceCase{"fourUp41Rounded", Mode::FourUp, "41", "5", ",", "seq.txt"},
        SequenceCase{"fourUpHex", Mode::FourUp, "&H1C", "", "; ", nullptr},
        SequenceCase{"eightUpSpacedRounded", Mode::EightUp, "+ 2 3", "1", "", nullptr},
        SequenceCase{"eightUpAccentedSeparator", Mode::EightUp, "32760", "1", "è",
                     "sequenza è.txt"},
        SequenceCase{"eightUpOverflow", Mode::EightUp, "32761", "1", ",", nullptr},
        SequenceCase{"fourUpTooManyPages", Mode::FourUp, "2001", "1", ",", nullptr},
        SequenceCase{"fileInMissingFolder", Mode::FourUp, "8", "1", ",", "manca/seq.txt"}),
    caseName<SequenceCase>);

// Every file of a folder with its content.
std::map<std::string, std::string> snapshot(const fs::path& dir) {
    std::map<std::string, std::string> files;
    for (const fs::directory_entry& entry : fs::directory_iterator(dir))
        files[entry.path().filename()] = entry.is_regular_file() ? readFile(entry.path()) : "";
    return files;
}

void writeText(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

void writeDocument(const fs::path& dir) {
    writeNumberedPdf(dir / "doc.pdf", std::vector<NumberedPage>(8));
}

// `opuscolo` with a bad input or a file fault: its message, its exit status, and every file of
// the folder as it was. A case without a message must succeed.
struct BookletFault {
    const char* name;
    // Makes the fault in `dir` and gives the arguments after "opuscolo --modo 4".
    std::vector<std::string> (*prepare)(const fs::path& dir);
    const char* message;
    int status;
};

class BookletCommand : public ::testing::TestWithParam<BookletFault> {};

TEST_P(BookletCommand, refusesWithAMessageAndLeavesNoFileBehind) {
    const BookletFault& c = GetParam();
    const TemporaryDirectory dir;
    std::vector<std::string> arguments{"opuscolo", "--modo", "4"};
    for (const std::string& argument : c.prepare(dir.path()))
        arguments.push_back(argument);
    const auto before = snapshot(dir.path());
    const ChildRun run = runPlicora(arguments);
    EXPECT_EQ(run.status, c.status) << run.err;
    if (c.status == 0) {
        EXPECT_EQ(run.out, (dir.path() / "doc-opuscolo.pdf").string() + "\n");
        EXPECT_TRUE(fs::exists(dir.path() / "doc-opuscolo.pdf"));
        return;
    }
    if (c.status == 1)
        EXPECT_EQ(run.err, std::string(c.message) + "\n");
    else
        EXPECT_TRUE(run.err.starts_with("plicora: ")) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(snapshot(dir.path()), before);
    EXPECT_TRUE(fs::is_character_file("/dev/full")); // written to, never replaced
}

std::string inDir(const fs::path& dir, const char* name) {
    return dir / name;
}

INSTANTIATE_TEST_SUITE_P(
    Faults, BookletCommand,
    ::testing::Values(
        BookletFault{"notPdf",
                     [](const fs::path& d) {
                         writeText(d / "doc.pdf", "Caro diario,\n");
                         return std::vector{inDir(d, "doc.pdf")};
                     },
                     notPdfMessage, 1},
        BookletFault{"damagedBeyondRepair",
                     [](const fs::path& d) {
                         writeText(d / "doc.pdf", "%PDF-1.4\n1 0 obj << /Type /Catalog\n%%EOF\n");
                         return std::vector{inDir(d, "doc.pdf")};
                     },
                     damagedPdfMessage, 1},
        BookletFault{"repairableDamage",
                     [](const fs::path& d) {
                         writeDocument(d);
                         std::string pdf = readFile(d / "doc.pdf");
                         pdf.replace(pdf.rfind("startxref"), 9, "startxerr");
                         writeText(d / "doc.pdf", pdf);
                         return std::vector{inDir(d, "doc.pdf")};
                     },
                     nullptr, 0},
        BookletFault{"passwordNeeded",
                     [](const fs::path& d) {
                         writeDocument(d);
                         EXPECT_EQ(std::system(("qpdf --encrypt utente padrone 256 -- '" +
                                                inDir(d, "doc.pdf") + "' '" +
                                                inDir(d, "chiuso.pdf") + "'")
                                                   .c_str()),
                                   0);
                         fs::remove(d / "doc.pdf");
                         return std::vector{inDir(d, "chiuso.pdf")};
                     },
                     passwordMessage, 1},
        BookletFault{"noPages",
                     [](const fs::path& d) {
                         writeText(d / "doc.pdf",
                                   "%PDF-1.4\n1 0 obj << /Type /Catalog /Pages 2 0 R >> endobj\n"
                                   "2 0 obj << /Type /Pages /Kids [] /Count 0 >> endobj\n"
                                   "trailer << /Root 1 0 R >>\n%%EOF\n");
                         return std::vector{inDir(d, "doc.pdf")};
                     },
                     noPagesMessage, 1},
        BookletFault{"missingInput",
                     [](const fs::path& d) { return std::vector{inDir(d, "manca.pdf")}; },
                     cannotOpenDocumentMessage, 1},
        BookletFault{"tooManyPages",
                     [](const fs::path& d) {
                         writeNumberedPdf(d / "doc.pdf", std::vector<NumberedPage>(2001));
                         return std::vector{inDir(d, "doc.pdf")};
                     },
                     "Numero totale di pagine: 2004\nIl numero di pagina non è multiplo di "
                     "4.Bisogna aggiungere al documento alcuni fogli bianchi\nIl numero di pagine "
                     "supera il massimo di 2000 (500 fogli) per la stampa a 4 pagine per foglio",
                     1},
        BookletFault{
            "outputIsInput",
            [](const fs::path& d) {
                writeDocument(d);
                return std::vector<std::string>{inDir(d, "doc.pdf"), "-o", inDir(d, "./doc.pdf")};
            },
            outputIsInputMessage, 1},
        BookletFault{"outputInMissingFolder",
                     [](const fs::path& d) {
                         writeDocument(d);
                         return std::vector<std::string>{inDir(d, "doc.pdf"), "-o",
                                                         inDir(d, "manca/out.pdf")};
                     },
                     cannotOpenMessage, 1},
        BookletFault{"outputDeviceFull",
                     [](const fs::path& d) {
                         writeDocument(d);
                         return std::vector<std::string>{inDir(d, "doc.pdf"), "-o", "/dev/full"};
                     },
                     writeFailedMessage, 1},
        BookletFault{
            "outputFifoWithoutReader",
            [](const fs::path& d) {
                writeDocument(d);
                mkfifo((d / "tubo").c_str(), 0600);
                return std::vector<std::string>{inDir(d, "doc.pdf"), "-o", inDir(d, "tubo")};
            },
            cannotOpenMessage, 1},
        BookletFault{"backFailsFrontKept",
                     [](const fs::path& d) {
                         writeDocument(d);
                         writeText(d / "doc-fronte.pdf", "fronte di prima");
                         fs::create_directory(d / "doc-retro.pdf");
                         return std::vector<std::string>{inDir(d, "doc.pdf"), "--separati"};
                     },
                     cannotOpenMessage, 1},
        BookletFault{"noDocument", [](const fs::path&) { return std::vector<std::string>{}; },
                     nullptr, 2},
        BookletFault{"twoDocuments",
                     [](const fs::path& d) {
                         return std::vector{inDir(d, "a.pdf"), inDir(d, "b.pdf")};
                     },
                     nullptr, 2},
        BookletFault{"unknownOption",
                     [](const fs::path& d) {
                         return std::vector<std::string>{inDir(d, "a.pdf"), "--fronte"};
                     },
                     nullptr, 2}),
    caseName<BookletFault>);

// The command line's own arguments: help, version and usage errors.
struct UsageCase {
    const char* name;
    std::vector<std::string> arguments;
    int status;
    const char* outStart;
    const char* errStart;
};

class Usage : public ::testing::TestWithParam<UsageCase> {};

TEST_P(Usage, answersWithTheRightStatus) {
    const UsageCase& c = GetParam();
    const ChildRun run = runPlicora(c.arguments);
    EXPECT_EQ(run.status, c.status);
    EXPECT_TRUE(run.out.starts_with(c.outStart)) << run.out;
    EXPECT_TRUE(run.err.starts_with(c.errStart)) << run.err;
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, Usage,
    ::testing::Values(
        UsageCase{"help", {"--help"}, 0, "Uso:\n", ""},
        UsageCase{"commandHelp", {"opuscolo", "--help"}, 0, "Uso:\n", ""},
        UsageCase{"version", {"--version"}, 0, "plicora 1.0.0\n", ""},
        UsageCase{"unknownCommand", {"stampa"}, 2, "", "plicora: Comando sconosciuto"},
        UsageCase{"missingMode", {"sequenza", "--pagine", "8"}, 2, "", "plicora: Manca"},
        UsageCase{
            "badMode", {"sequenza", "--modo", "6", "--pagine", "8"}, 2, "", "plicora: --modo"},
        UsageCase{"missingPages", {"sequenza", "--modo", "4"}, 2, "", "plicora: Manca"},
        UsageCase{"missingValue", {"sequenza", "--modo"}, 2, "", "plicora: Manca il valore"},
        UsageCase{
            "longSeparator",
            {"sequenza", "--modo", "4", "--pagine", "8", "--separatore", std::string(256, ';')},
            2,
            "",
            "plicora: Il separatore"}),
    caseName<UsageCase>);

} // namespace
