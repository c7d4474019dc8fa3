#include "test_support.h"

#include "engine/engine_protocol.h"
#include "job_rules.h"

#include <gtest/gtest.h>

using namespace plicora;
using namespace plicora::engine;

namespace {

BookletJob read(const std::vector<std::string>& args) {
    const std::vector<std::string_view> views(args.begin(), args.end());
    return readArguments(views);
}

struct JobCase {
    const char* name;
    BookletJob job;
    std::vector<std::string> paths;
};

class Job : public ::testing::TestWithParam<JobCase> {};

// What a caller asks for is what the engine reads, and the files are named as the user expects.
TEST_P(Job, travelsThroughTheArgumentsWhole) {
    const JobCase& c = GetParam();
    EXPECT_EQ(read(arguments(c.job)), c.job);
    EXPECT_EQ(outputPaths(c.job), c.paths);
}

INSTANTIATE_TEST_SUITE_P(
    Jobs, Job,
    ::testing::Values(
        JobCase{"beside", {.document = "tesi.pdf"}, {"tesi-opuscolo.pdf"}},
        JobCase{"upperCaseExtension",
                {.mode = Mode::EightUp, .document = "a/TESI.PDF", .separate = true},
                {"a/TESI-fronte.pdf", "a/TESI-retro.pdf"}},
        JobCase{"namedOutput", {.document = "t.pdf", .output = "b.pdf"}, {"b.pdf"}},
        JobCase{"namedPair",
                {.document = "t.pdf",
                 .output = "b",
                 .separate = true,
                 .progress = true,
                 .bareMessages = true},
                {"b-fronte.pdf", "b-retro.pdf"}},
        // A name that looks like an option is still the document.
        JobCase{"dashedDocument", {.document = "--separati"}, {"--separati-opuscolo.pdf"}},
        JobCase{"signaturesAndCreep",
                {.document = "t.pdf", .sheetsPerSignature = 500, .creep = 105},
                {"t-opuscolo.pdf"}},
        JobCase{"backsForTheHand",
                {.mode = Mode::EightUp,
                 .document = "t.pdf",
                 .separate = true,
                 .sheetsPerSignature = 3,
                 .reversedBacks = true,
                 .turnedBacks = true},
                {"t-fronte.pdf", "t-retro.pdf"}},
        JobCase{"paperAndBinding",
                {.document = "t.pdf",
                 .sheetsPerSignature = 2,
                 .creep = 50,
                 .paper = {32000, 45000},
                 .binding = {.rightToLeft = true, .backCoverLast = true}},
                {"t-opuscolo.pdf"}},
        JobCase{"testSheet", {.testSheet = true}, {"prova-fronte.pdf", "prova-retro.pdf"}},
        JobCase{"testSheetOnLetter",
                {.testSheet = true, .paper = {21590, 27940}},
                {"prova-fronte.pdf", "prova-retro.pdf"}},
        JobCase{"longEdge", {.document = "t.pdf", .edge = Edge::Long}, {"t-opuscolo.pdf"}},
        // Printed: the backs' options are for feeding a one-sided printer by hand.
        JobCase{"printed",
                {.document = "-",
                 .reversedBacks = true,
                 .edge = Edge::Short,
                 .printer = "Ufficio",
                 .copies = 999},
                {"--opuscolo.pdf"}},
        JobCase{"printedTestSheet",
                {.testSheet = true, .printer = "Ufficio"},
                {"prova-fronte.pdf", "prova-retro.pdf"}},
        JobCase{"namedTestSheet",
                {.mode = Mode::EightUp, .output = "x/P.pdf", .testSheet = true},
                {"x/P-fronte.pdf", "x/P-retro.pdf"}}),
    plicora::testing::caseName<JobCase>);

TEST(Job, refusesWhatNoCallerSends) {
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"a.pdf"},
             {"--modo", "5", "a.pdf"},
             {"--modo", "4"},
             {"--modo", "4", "a.pdf", "b.pdf"},
             {"--modo", "4", "--uscita", "", "a.pdf"},
             {"--modo", "4", "--uscita"},
             {"--modo", "4", "-x", "a.pdf"},
             {"--modo", "4", "--fascicoli", "0", "a.pdf"},
             {"--modo", "4", "--fascicoli", "501", "a.pdf"},
             {"--modo", "4", "--scorrimento", "5.01", "a.pdf"},
             {"--modo", "8", "--scorrimento", "1", "a.pdf"},
             {"--modo", "4", "--retro-inverso", "a.pdf"},
             {"--modo", "4", "--retro-capovolti", "a.pdf"},
             {"--modo", "4", "--prova", "a.pdf"},
             {"--modo", "4", "--prova", "--separati"},
             {"--modo", "4", "--fascicoli"},
             {"--modo", "4", "--fascicoli", "x", "a.pdf"},
             {"--modo", "4", "--carta", "B4", "a.pdf"},
             {"--modo", "4", "--carta"},
             {"--modo", "4", "--prova", "--da-destra"},
             {"--modo", "4", "--prova", "--quarta-di-copertina"},
             {"--modo", "4", "--bordo", "alto", "a.pdf"},
             {"--modo", "4", "--bordo", "lungo", "--separati", "a.pdf"},
             {"--modo", "4", "--bordo", "corto", "--prova"},
             {"--modo", "4", "--copie", "2", "a.pdf"},
             {"--modo", "4", "--stampante", "P", "--copie", "0", "a.pdf"},
             {"--modo", "4", "--stampante", "P", "--separati", "a.pdf"},
             {"--modo", "4", "--stampante", "", "a.pdf"},
             {"--modo", "4", "--stampante", "P", "--uscita", "-", "a.pdf"},
             {"--modo", "4", "--modo", "8", "a.pdf"},
             {"--modo", "4", "--uscita", "a.pdf", "--uscita", "b.pdf", "c.pdf"},
             {"--modo", "4", "--separati", "--separati", "a.pdf"},
             {"--modo", "4", "/dev/stdin"}})

        EXPECT_THROW(read(args), UsageError) << args.size();
}

TEST(Creep, takesEitherDecimalMarkAndAtMostTwoDecimals) {
    const std::pair<const char*, int> rows[] = {{"", 0},
                                                {" ", 0},
                                                {"0", 0},
                                                {"5", 500},
                                                {"1,5", 150},
                                                {"1.5", 150},
                                                {"0,05", 5},
                                                {".5", 50},
                                                {"005.00", 500},
                                                {" 1 ", 100},
                                                {"6", 600},
                                                {"1.", unreadableNumber},
                                                {"1,234", unreadableNumber},
                                                {"-1", unreadableNumber},
                                                {"1,5,", unreadableNumber},
                                                {"99999999999", unreadableNumber}};
    for (const auto& [text, hundredths] : rows)
        EXPECT_EQ(readCreep(text), hundredths) << text;
}

// The rules the command line and the window share, judged on the job their texts make.
TEST(Judge, givesTheFirstFaultOfEachSharedRule) {
    for (const plicora::testing::JobRuleCase& c : plicora::testing::jobRuleCases()) {
        const BookletJob job{.mode = c.mode,
                             .document = "doc.pdf",
                             .separate = c.separate,
                             .sheetsPerSignature =
                                 c.signatures ? readSheetsPerSignature(c.signatures) : 0,
                             .creep = c.creep ? readCreep(c.creep) : 0,
                             .reversedBacks = c.reversedBacks};
        const std::vector<JobFault> faults = jobFaults(job);
        EXPECT_EQ(faults.empty() ? std::nullopt : std::optional(faults.front()), c.fault) << c.name;
    }
}

// The rules only a program's own jobs meet: the test sheet, standard input and output.
TEST(Judge, refusesWhatCantBeMadeAsAValue) {
    const std::pair<BookletJob, std::vector<JobFault>> rows[] = {
        {{}, {JobFault::NoDocument}},
        {{.document = "-"}, {JobFault::StandardInputWithoutOutput}},
        {{.document = "-", .output = "b.pdf"}, {}},
        {{.document = "/dev/stdin"}, {JobFault::StandardInputWithoutOutput}},
        {{.document = "/proc/self/fd/0"}, {JobFault::StandardInputWithoutOutput}},
        {{.document = "/dev/fd/0", .printer = "P"}, {}},
        {{.document = "dev/stdin.pdf"}, {}},
        {{.document = "a.pdf", .output = "-", .separate = true},
         {JobFault::TwoFilesToStandardOutput}},
        {{.output = "-", .testSheet = true}, {JobFault::TwoFilesToStandardOutput}},
        {{.document = "a.pdf", .testSheet = true}, {JobFault::TestSheetWithDocument}},
        {{.separate = true, .sheetsPerSignature = 600, .testSheet = true},
         {JobFault::TestSheetWithOptions, JobFault::SignaturesOutOfRange}},
        {{.mode = Mode::EightUp, .document = "a.pdf", .creep = 600, .turnedBacks = true},
         {JobFault::CreepOutOfRange, JobFault::CreepEightUp, JobFault::BacksWithoutSeparate}},
        {{.testSheet = true, .paper = {29700, 42000}}, {}},
        {{.testSheet = true, .binding = {.rightToLeft = true}}, {JobFault::TestSheetWithOptions}},
        {{.document = "a.pdf", .paper = {9900, 45000}}, {JobFault::PaperNotAccepted}},
    };
    for (const auto& [job, faults] : rows)
        EXPECT_EQ(jobFaults(job), faults) << arguments(job).size();
}

// A thick document is advised signatures as even as can be, none above eight sheets.
TEST(Advice, proposesSignaturesOnlyAboveTwentySheets) {
    const struct {
        Mode mode;
        int pages;
        int asked;
        std::optional<int> proposed;
    } rows[] = {{Mode::FourUp, 80, 0, std::nullopt},
                {Mode::FourUp, 81, 0, 7},
                {Mode::FourUp, 601, 0, 8},
                {Mode::FourUp, 601, 4, std::nullopt},
                {Mode::EightUp, 160, 0, std::nullopt},
                {Mode::EightUp, 200, 0, 7}};
    for (const auto& row : rows)
        EXPECT_EQ(signaturesAdvice(row.mode, row.pages, row.asked), row.proposed) << row.pages;
}

TEST(Paper, isNamedInAnyCaseOrGivenInWholeMillimetresInRange) {
    const std::pair<const char*, std::optional<Paper>> rows[] = {{"A4", Paper{}},
                                                                 {"a3", Paper{29700, 42000}},
                                                                 {"Letter", Paper{21590, 27940}},
                                                                 {"TABLOID", Paper{27940, 43180}},
                                                                 {"320x450", Paper{32000, 45000}},
                                                                 {"450X320", Paper{45000, 32000}},
                                                                 {"100x1000", Paper{10000, 100000}},
                                                                 {"99x450", std::nullopt},
                                                                 {"320x1001", std::nullopt},
                                                                 {"320x", std::nullopt},
                                                                 {"x450", std::nullopt},
                                                                 {"320x450x2", std::nullopt},
                                                                 {"320,5x450", std::nullopt},
                                                                 {"-320x450", std::nullopt},
                                                                 {"99999999999x450", std::nullopt},
                                                                 {"B4", std::nullopt},
                                                                 {"", std::nullopt},
                                                                 {"A4 ", std::nullopt}};
    for (const auto& [text, paper] : rows) {
        EXPECT_EQ(readPaper(text), paper) << text;
        if (paper) {
            EXPECT_EQ(readPaper(paperText(*paper)), paper) << text;
        }
    }
}

TEST(Progress, isReadBackFromItsLine) {
    const std::string line = progressLine({120, 2000});
    ASSERT_TRUE(line.ends_with('\n'));
    EXPECT_EQ(readProgressLine(std::string_view(line).substr(0, line.size() - 1)),
              (Progress{120, 2000}));
    for (const char* other : {"/tmp/a-opuscolo.pdf", "avanzamento 3", "avanzamento 5 4",
                              "avanzamento -1 4", "avanzamento 1 x"})
        EXPECT_EQ(readProgressLine(other), std::nullopt) << other;
}

TEST(WrittenLine, carriesEveryByteOfAName) {
    std::string everyByte;
    for (int byte = 1; byte < 256; ++byte)
        everyByte += static_cast<char>(byte);
    for (const std::string& path : {std::string("/tmp/a-opuscolo.pdf"), everyByte,
                                    std::string("a\nb.pdf"), std::string("avanzamento 1 2")}) {
        const std::string line = writtenLine(path);
        ASSERT_EQ(line.find('\n'), line.size() - 1) << path;
        EXPECT_EQ(readWrittenLine(std::string_view(line).substr(0, line.size() - 1)), path);
        EXPECT_EQ(readProgressLine(line.substr(0, line.size() - 1)), std::nullopt) << path;
    }
    for (const char* other : {"/tmp/a-opuscolo.pdf", "scritto a%0", "scritto a%zz", "scritto a\tb"})
        EXPECT_EQ(readWrittenLine(other), std::nullopt) << other;
}

TEST(PrinterLine, isReadBackFromItsLine) {
    const std::vector<std::string> media{"iso_a4_210x297mm", "na_letter_8.5x11in"};
    for (const Printer& printer :
         {Printer{"Ufficio", true, true, true, true, "iso_a4_210x297mm", media},
          Printer{"Margini", false, true, false, true, "", media, {423, 0}},
          Printer{"HP_LaserJet-2", false, false, true}, Printer{"a", false, false, false, false},
          Printer{"Ufficio/bozza", false, true, false, true, "na_letter_8.5x11in", {}},
          // Any byte of a name, or of a media name, stays on its one line and in its one word.
          Printer{"con spazi\nstampante 1 1 1 1 - - finta\r\x1b[2J%41,-",
                  true,
                  false,
                  false,
                  true,
                  "x y",
                  {"a,b", "%", "-"}},
          Printer{"-", false, false, false, true, "-", {"-"}}}) {
        const std::string line = printerLine(printer);
        ASSERT_TRUE(line.ends_with('\n'));
        EXPECT_EQ(line.find('\n'), line.size() - 1) << line;
        EXPECT_EQ(line.find('\r'), std::string::npos) << line;
        EXPECT_EQ(readPrinterLine(std::string_view(line).substr(0, line.size() - 1)), printer);
    }
    for (const char* other :
         {"stampante 1 1 1 1 - - - ", "stampante 1 1 1 - - - Ufficio", "stampante 2 0 0 1 - - - U",
          "stampante 1 1 1 1 - - - U V", "stampante 1 1 1 1 - a,,b - U",
          "stampante 1 1 1 1 - - - U%4", "stampante 1 1 1 1 - - - U%G1",
          // Margins: one for each media, whole and not negative.
          "stampante 1 1 1 1 - a,b 1 U", "stampante 1 1 1 1 - a 1,2 U",
          "stampante 1 1 1 1 - a -1 U", "stampante 1 1 1 1 - a 1.5 U", "stampante 1 1 1 1 - - 1 U",
          "stampante 1 1 1 1 - - U", "lavoro 3 in-coda U", "/tmp/a-opuscolo.pdf"})
        EXPECT_EQ(readPrinterLine(other), std::nullopt) << other;
}

TEST(JobLine, isReadBackFromItsLine) {
    for (const JobStatus& status :
         {JobStatus{1, JobState::Queued, "Ufficio"},
          JobStatus{2, JobState::Held, "Ufficio/bozza", "job-hold-until-specified"},
          JobStatus{3, JobState::Queued, "a b\nlavoro 9 stampato c", "Idle"},
          JobStatus{42, JobState::Printing, "U", "The printer may not exist or is unavailable."},
          JobStatus{7, JobState::Printed, "U"}}) {
        const std::string line = jobLine(status);
        EXPECT_EQ(readJobLine(std::string_view(line).substr(0, line.size() - 1)), status);
    }
    for (const char* other : {"lavoro 0 in-coda U", "lavoro 3 finito U", "lavoro 3 in-coda",
                              "lavoro x in-coda U", "attesa-retri"})
        EXPECT_EQ(readJobLine(other), std::nullopt) << other;
}

// Which way a booklet goes onto each kind of printer, for every edge a job may ask for.
TEST(PrintWay, followsTheEdgeAskedElseThePrinter) {
    const Printer both{"A", false, true, true}, shortOnly{"B", false, true, false},
        longOnly{"C", false, false, true}, oneSided{"D"};
    using W = std::optional<PrintWay>;
    const W byHand = PrintWay::ByHand, shortEdge = PrintWay::ShortEdge,
            longEdge = PrintWay::LongEdge;
    const std::tuple<std::optional<Edge>, Printer, W> rows[] = {
        {std::nullopt, both, shortEdge},       {std::nullopt, shortOnly, shortEdge},
        {std::nullopt, longOnly, longEdge},    {std::nullopt, oneSided, byHand},
        {Edge::Long, both, longEdge},          {Edge::Long, shortOnly, std::nullopt},
        {Edge::Short, longOnly, std::nullopt}, {Edge::Short, oneSided, byHand}};
    for (const auto& [edge, printer, way] : rows)
        EXPECT_EQ(printWay({.edge = edge}, printer), way) << printer.name;
    EXPECT_EQ(printWay({.testSheet = true}, both), byHand);
}

} // namespace
