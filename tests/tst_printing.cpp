#include "cups_world.h"
#include "pdf_words.h"
#include "test_support.h"

#include "core/sheet_sides.h"
#include "tools/numbered_pdf/numbered_pdf.h"

#include <gtest/gtest.h>
#include <qpdf/QPDF.hh>

#include <poll.h>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <memory>
#include <thread>

using namespace plicora;
using namespace plicora::testing;
namespace fs = std::filesystem;

namespace {

constexpr int documentPages = 8;

const auto* const environment = ::testing::AddGlobalTestEnvironment(new CupsWorldEnvironment);

CupsWorld& world() {
    return CupsWorldEnvironment::world();
}

struct ProgramRun {
    int status = -1;
    std::string output; // standard output and error together
};

// Runs the real program with `arguments` (none of them needing quotes), its standard input not a
// terminal; `environment` goes before it, as in a shell.
ProgramRun runPlicora(const std::string& arguments, const std::string& environment = "") {
    const std::string command =
        environment + " " PLICORA_EXECUTABLE " " + arguments + " </dev/null 2>&1";
    ProgramRun run;
    std::FILE* pipe = popen(command.c_str(), "r");
    char buffer[512];
    while (pipe && std::fgets(buffer, sizeof buffer, pipe))
        run.output += buffer;
    const int status = pipe ? pclose(pipe) : -1;
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

// The sides of the numbered document's four-up booklet, in printing order.
std::vector<SheetSide> modelled(bool fronts, bool backs) {
    std::vector<SheetSide> sides;
    for (const Sheet& sheet : sheetSides(Mode::FourUp, documentPages, 0, documentPages).sheets) {
        if (fronts)
            sides.push_back(sheet.front);
        if (backs)
            sides.push_back(sheet.back);
    }
    return sides;
}

// Checks that `pdf` holds `sides` in order, each turned by 180 degrees against the first side
// when `turned` says so, however the printer's filters turned the pages to fit the paper.
void expectSides(const fs::path& pdf, const std::vector<SheetSide>& sides,
                 const std::vector<bool>& turned) {
    const std::vector<std::vector<Word>> pages = readPages(pdf);
    ASSERT_EQ(pages.size(), sides.size()) << pdf;
    double firstX = 0, firstY = 0;
    for (std::size_t i = 0; i < sides.size(); ++i) {
        // From the left cell's page to the right cell's: the direction the side reads in.
        const auto find = [&](int number) {
            return std::find_if(pages[i].begin(), pages[i].end(),
                                [number](const Word& word) { return word.number == number; });
        };
        const auto left = find(sides[i].pages[0]), right = find(sides[i].pages[1]);
        ASSERT_NE(left, pages[i].end()) << "side " << i + 1 << ", page " << sides[i].pages[0];
        ASSERT_NE(right, pages[i].end()) << "side " << i + 1 << ", page " << sides[i].pages[1];
        const double x = right->x - left->x, y = right->y - left->y;
        if (i == 0) {
            firstX = x;
            firstY = y;
        }
        EXPECT_EQ(x * firstX + y * firstY < 0, turned[i]) << "side " << i + 1;
    }
}

class Printing : public ::testing::Test {
protected:
    Printing() { writeNumberedPdf(document_, std::vector<NumberedPage>(documentPages)); }
    ~Printing() override { world().settle(); }

    // Whether the document's folder still holds the document alone.
    bool noFileWritten() const {
        return std::distance(fs::directory_iterator(folder_.path()), fs::directory_iterator()) == 1;
    }

    const TemporaryDirectory folder_;
    const std::string document_ = (folder_.path() / "tesi.pdf").string();
};

struct DuplexCase {
    const char* name;
    const char* options;
    const char* sides;
    std::vector<bool> turned;
    const char* copies;
    const char* written = ""; // the file -o also writes, in the document's folder
    // The paper told and its size as the job's media-col gives it: the printer's own (Letter)
    // unless another is chosen.
    const char* paper = "letter";
    const char* size = "x-dimension=21590 y-dimension=27940";
};

class DuplexPrinting : public Printing, public ::testing::WithParamInterface<DuplexCase> {};

TEST_P(DuplexPrinting, sendsOneJobOfTheWholeBookletOnTheEdgeThePrinterTurns) {
    const DuplexCase& c = GetParam();
    const std::size_t before = world().jobs(duplexPrinter).size();
    std::string options = c.options;
    if (*c.written)
        options += " -o " + (folder_.path() / c.written).string();
    const ProgramRun run = runPlicora("opuscolo --modo 4 " + document_ + " --stampante " +
                                      duplexPrinter + " " + options);
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_NE(run.output.find("stampante Fronteretro: lavoro Fronteretro-"), std::string::npos)
        << run.output;
    EXPECT_NE(run.output.find(std::string("su carta ") + c.paper), std::string::npos) << run.output;
    if (*c.written)
        expectSides(folder_.path() / c.written, modelled(true, true), c.turned);
    else
        EXPECT_TRUE(noFileWritten());
    const std::vector<ReceivedJob> jobs = world().waitForJobs(duplexPrinter, before + 1);
    ASSERT_EQ(jobs.size(), before + 1);
    const ReceivedJob& job = jobs.back();
    EXPECT_EQ(job.attributes.at("sides"), c.sides);
    EXPECT_EQ(job.attributes.at("job-name"), "tesi.pdf");
    EXPECT_NE(job.attributes.at("media-col").find(c.size), std::string::npos)
        << job.attributes.at("media-col");
    const auto copies = job.attributes.find("copies");
    EXPECT_EQ(copies == job.attributes.end() ? "1" : copies->second, c.copies);
    expectSides(job.document, modelled(true, true), c.turned);
    // What is printed is laid out inside the printer's margins, which it reports, to be printed
    // unscaled; the copy written says so (CUPS's filters rewrite the one the printer gets).
    if (*c.written) {
        QPDF copy;
        copy.processFile((folder_.path() / c.written).c_str());
        EXPECT_TRUE(copy.getRoot()
                        .getKey("/ViewerPreferences")
                        .getKey("/PrintScaling")
                        .isNameAndEquals("/None"));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Edges, DuplexPrinting,
    ::testing::Values(
        DuplexCase{
            "shortEdge", "--copie 2", "two-sided-short-edge", {false, false, false, false}, "2"},
        DuplexCase{
            "longEdge", "--bordo lungo", "two-sided-long-edge", {false, true, false, true}, "1"},
        DuplexCase{"paperChosen",
                   "--carta A4",
                   "two-sided-short-edge",
                   {false, false, false, false},
                   "1",
                   "",
                   "A4",
                   "x-dimension=21000 y-dimension=29700"},
        DuplexCase{"alsoWritten",
                   "",
                   "two-sided-short-edge",
                   {false, false, false, false},
                   "1",
                   "copia.pdf"}),
    caseName<DuplexCase>);

struct RefusalCase {
    const char* name;
    const char* options;
    const char* environment;
    const char* message;
};

class PrintingRefused : public Printing, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(PrintingRefused, sendsNothingWritesNothingAndSaysWhy) {
    const RefusalCase& c = GetParam();
    const std::size_t duplexJobs = world().jobs(duplexPrinter).size(),
                      oneSidedJobs = world().jobs(oneSidedPrinter).size();
    const SilentScheduler silent;
    std::string environment = c.environment;
    if (const auto at = environment.find("@silent"); at != std::string::npos)
        environment.replace(at, 7, silent.address());
    const auto start = std::chrono::steady_clock::now();
    const ProgramRun run =
        runPlicora("opuscolo --modo 4 " + document_ + " " + c.options, environment);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(30));
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.output.find(c.message), std::string::npos) << run.output;
    EXPECT_TRUE(noFileWritten());
    EXPECT_EQ(world().jobs(duplexPrinter).size(), duplexJobs);
    EXPECT_EQ(world().jobs(oneSidedPrinter).size(), oneSidedJobs);
}

INSTANTIATE_TEST_SUITE_P(
    Failures, PrintingRefused,
    ::testing::Values(
        RefusalCase{"unknownPrinter", "--stampante Nessuna", "",
                    "plicora: La stampante \u00abNessuna\u00bb non \u00e8 conosciuta da CUPS"},
        RefusalCase{"noScheduler", "--stampante Fronteretro", "CUPS_SERVER=/nessuno/cups.sock",
                    "plicora: Nessun servizio di stampa raggiungibile: CUPS non risponde "
                    "(/nessuno/cups.sock)"},
        RefusalCase{"oneSidedWithoutTerminal", "--stampante Unlato", "",
                    "plicora: La stampante \u00abUnlato\u00bb stampa su un solo lato"},
        RefusalCase{"edgeOnAOneSidedPrinter", "--stampante Unlato --bordo lungo", "",
                    "stampa su un solo lato"},
        // Refused before anything is sent, naming the paper and the printer's ones.
        RefusalCase{"paperThePrinterLacks", "--stampante Fronteretro --carta A3", "",
                    "plicora: La stampante \u00abFronteretro\u00bb non ha la carta A3: ha A4, "},
        // Said within half a minute, not after minutes, nor as an unknown printer.
        RefusalCase{"silentScheduler", "--stampante Fronteretro", "CUPS_SERVER=@silent",
                    "plicora: Nessun servizio di stampa raggiungibile: CUPS non risponde"},
        RefusalCase{"nameEchoedSafely", "--stampante \"$(printf 'A\\033[2J\\nB')\"", "",
                    "plicora: La stampante \u00abA\\x1B[2J\\x0AB\u00bb non \u00e8 conosciuta"}),
    caseName<RefusalCase>);

// The commands that ask CUPS without printing a booklet meet a scheduler that never answers as
// printing does: said within half a minute, status 1, not waited on for minutes.
struct SilentCase {
    const char* name;
    const char* command;
};

class SilentSchedulerSaid : public Printing, public ::testing::WithParamInterface<SilentCase> {};

TEST_P(SilentSchedulerSaid, withinHalfAMinute) {
    const SilentScheduler silent;
    const auto start = std::chrono::steady_clock::now();
    const ProgramRun run = runPlicora(GetParam().command, "CUPS_SERVER=" + silent.address());
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(30));
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(
        run.output.find(
            "plicora: Nessun servizio di stampa raggiungibile: CUPS non risponde (127.0.0.1)"),
        std::string::npos)
        << run.output;
}

INSTANTIATE_TEST_SUITE_P(Commands, SilentSchedulerSaid,
                         ::testing::Values(SilentCase{"printerList", "stampanti"},
                                           SilentCase{"testSheet",
                                                      "prova --stampante Fronteretro"}),
                         caseName<SilentCase>);

// A printer CUPS holds back, how it is let go again, and what the user reads.
struct HeldCase {
    const char* name;
    const char* hold;
    const char* release;
    const char* message;
};

class PrintingHeld : public Printing, public ::testing::WithParamInterface<HeldCase> {};

TEST_P(PrintingHeld, isRefusedWithCupsReason) {
    const HeldCase& c = GetParam();
    world().administer(std::string(c.hold) + " Fronteretro");
    const ProgramRun run =
        runPlicora("opuscolo --modo 4 " + document_ + " --stampante Fronteretro");
    world().administer(std::string(c.release) + " Fronteretro");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.output.find(c.message), std::string::npos) << run.output;
}

INSTANTIATE_TEST_SUITE_P(
    States, PrintingHeld,
    ::testing::Values(
        HeldCase{"stopped", "cupsdisable -r 'carta inceppata'", "cupsenable",
                 "La stampante \u00abFronteretro\u00bb \u00e8 ferma (carta inceppata)"},
        HeldCase{"refusingJobs", "cupsreject -r 'in manutenzione'", "cupsaccept",
                 "La stampante \u00abFronteretro\u00bb non accetta lavori (in "
                 "manutenzione)"}),
    caseName<HeldCase>);

// Runs the real program on a terminal of its own; `beforeEnter` runs once it asks for Enter.
ProgramRun runOnTerminal(const std::vector<std::string>& arguments,
                         const std::function<void()>& beforeEnter) {
    int terminal = -1;
    const pid_t pid = forkpty(&terminal, nullptr, nullptr, nullptr);
    if (pid == 0) {
        std::vector<char*> argv{const_cast<char*>(PLICORA_EXECUTABLE)};
        for (const std::string& argument : arguments)
            argv.push_back(const_cast<char*>(argument.c_str()));
        argv.push_back(nullptr);
        execv(PLICORA_EXECUTABLE, argv.data());
        _exit(127);
    }
    ProgramRun run;
    bool asked = false;
    for (pollfd ready{terminal, POLLIN, 0}; poll(&ready, 1, 30000) > 0;) {
        char buffer[512];
        const ssize_t read = ::read(terminal, buffer, sizeof buffer);
        if (read <= 0)
            break;
        run.output.append(buffer, static_cast<std::size_t>(read));
        if (!asked && run.output.find("premi Invio") != std::string::npos) {
            asked = true;
            beforeEnter();
            EXPECT_EQ(write(terminal, "\n", 1), 1);
        }
    }
    close(terminal);
    int status = 0;
    waitpid(pid, &status, 0);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

struct ByHandCase {
    const char* name;
    bool testSheet;
};

class PrintingByHand : public Printing, public ::testing::WithParamInterface<ByHandCase> {};

TEST_P(PrintingByHand, sendsTheBacksOnlyOnceTheUserHasPutTheStackBack) {
    const std::size_t before = world().jobs(oneSidedPrinter).size();
    const std::vector<std::string> arguments =
        GetParam().testSheet
            ? std::vector<std::string>{"prova", "--modo", "4", "--stampante", oneSidedPrinter}
            : std::vector<std::string>{"opuscolo", "--modo",      "4",
                                       document_,  "--stampante", oneSidedPrinter};
    const ProgramRun run = runOnTerminal(arguments, [&] {
        // The fronts, and nothing more until Enter.
        EXPECT_EQ(world().waitForJobs(oneSidedPrinter, before + 1).size(), before + 1);
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        EXPECT_EQ(world().jobs(oneSidedPrinter).size(), before + 1);
    });
    EXPECT_EQ(run.status, 0) << run.output;
    const std::vector<ReceivedJob> jobs = world().waitForJobs(oneSidedPrinter, before + 2);
    ASSERT_EQ(jobs.size(), before + 2) << run.output;
    for (std::size_t i : {before, before + 1})
        EXPECT_EQ(jobs[i].attributes.at("sides"), "one-sided");
    EXPECT_TRUE(noFileWritten());
    if (GetParam().testSheet)
        return;
    expectSides(jobs[before].document, modelled(true, false), {false, false});
    expectSides(jobs[before + 1].document, modelled(false, true), {false, false});
    EXPECT_EQ(jobs[before].attributes.at("job-name"), "tesi.pdf (fronti)");
}

INSTANTIATE_TEST_SUITE_P(Jobs, PrintingByHand,
                         ::testing::Values(ByHandCase{"booklet", false},
                                           ByHandCase{"testSheet", true}),
                         caseName<ByHandCase>);

// A terminal's run on a held queue: CUPS takes the job, and the user is told why it waits.
TEST_F(Printing, heldJobIsToldWithItsReason) {
    world().administer("lpadmin -p Fronteretro -o job-hold-until-default=indefinite");
    const ProgramRun run =
        runPlicora("opuscolo " + document_ + " --stampante Fronteretro --carta A4");
    world().administer("lpadmin -p Fronteretro -o job-hold-until-default=no-hold");
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_NE(run.output.find("Inviato alla stampante Fronteretro"), std::string::npos);
    EXPECT_NE(run.output.find("\u00e8 trattenuto da CUPS: si stampa quando lo si rilascia"),
              std::string::npos)
        << run.output;
    world().administer("cancel -a Fronteretro");
}

// A terminal's run behind a job the printer is still on: the user is told why it waits.
TEST_F(Printing, queuedJobIsToldWithTheJobsAhead) {
    world().pausePrinting(true);
    ASSERT_TRUE(quietly("lp -d Fronteretro " + document_));
    const ProgramRun run =
        runPlicora("opuscolo " + document_ + " --stampante Fronteretro --carta A4");
    world().pausePrinting(false);
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_NE(run.output.find("aspetta in coda dietro un altro lavoro: si stampa quando la "
                              "stampante lo ha finito"),
              std::string::npos)
        << run.output;
}

// The user's lpoptions go with the job, for the queue and for an instance of it, but never
// in the place of what the booklet needs.
struct DefaultsCase {
    const char* name;
    const char* printer;
    const char* quality;
};

class PrintingWithDefaults : public Printing, public ::testing::WithParamInterface<DefaultsCase> {};

TEST_P(PrintingWithDefaults, sendsTheUsersOptions) {
    const DefaultsCase& c = GetParam();
    const TemporaryDirectory home;
    fs::create_directory(home.path() / ".cups");
    std::ofstream(home.path() / ".cups/lpoptions")
        << "Dest Fronteretro print-quality=5 sides=one-sided media=iso_a5_148x210mm\n"
           "Dest Fronteretro/bozza print-quality=3\n";
    const std::size_t before = world().jobs(duplexPrinter).size();
    const ProgramRun run = runPlicora(std::string("opuscolo ") + document_ + " --stampante " +
                                          c.printer + " --carta A4",
                                      "HOME=" + home.path().string());
    EXPECT_EQ(run.status, 0) << run.output;
    const std::vector<ReceivedJob> jobs = world().waitForJobs(duplexPrinter, before + 1);
    ASSERT_EQ(jobs.size(), before + 1);
    EXPECT_EQ(jobs.back().attributes.at("print-quality"), c.quality);
    EXPECT_EQ(jobs.back().attributes.at("sides"), "two-sided-short-edge");
    EXPECT_NE(jobs.back().attributes.at("media-col").find("x-dimension=21000"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Destinations, PrintingWithDefaults,
                         ::testing::Values(DefaultsCase{"queue", "Fronteretro", "high"},
                                           DefaultsCase{"instance", "Fronteretro/bozza", "draft"}),
                         caseName<DefaultsCase>);

// A duplex printer needs no test sheet: said plainly, nothing sent.
TEST_F(Printing, testSheetOnADuplexPrinterIsNotNeeded) {
    const std::size_t before = world().jobs(duplexPrinter).size();
    const ProgramRun run = runPlicora("prova --stampante Fronteretro");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.output.find("Il foglio di prova non serve con la stampante \u00abFronteretro"),
              std::string::npos)
        << run.output;
    EXPECT_EQ(run.output.find("solo lato"), std::string::npos) << run.output;
    EXPECT_EQ(world().jobs(duplexPrinter).size(), before);
}

// Printers announced on the network that can't be reached don't hold the list up, and are
// said unknown until chosen; the scheduler's queues are described at once.
TEST_F(Printing, printersAreListedAtOnceWhateverTheNetworkAnnounces) {
    for (const char* name : {"Lontana1", "Lontana2", "Lontana3"})
        world().advertiseUnreachable(name);
    const auto start = std::chrono::steady_clock::now();
    const ProgramRun run = runPlicora("stampanti");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    EXPECT_EQ(run.status, 0) << run.output;
    for (const char* line :
         {"Fronteretro\tpredefinita\tfronte-retro sul lato corto\tcarta letter\n",
          "Unlato\t\ta mano: prima i fronti, poi i retri\tcarta letter\n",
          "Lontana1\t\tda verificare: trovata in rete"})
        EXPECT_NE(run.output.find(line), std::string::npos) << run.output;
    const ProgramRun chosen = runPlicora("opuscolo " + document_ + " --stampante Lontana2");
    EXPECT_EQ(chosen.status, 1);
    EXPECT_NE(chosen.output.find("La stampante \u00abLontana2\u00bb non risponde"),
              std::string::npos)
        << chosen.output;
}

} // namespace
