#include "test_support.h"

#include "cli/cli_messages.h"
#include "cli/command_line.h"
#include "cli/window_route.h"
#include "console/console.h"
#include "core/core_messages.h"
#include "files/file_writer.h"
#include "imposition/imposition_messages.h"
#include "job_rules.h"
#include "output/calculation.h"
#include "tools/numbered_pdf/numbered_pdf.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <fstream>

using namespace plicora;
using namespace plicora::testing;
namespace fs = std::filesystem;

namespace {

// Runs the real program with `arguments`, as from a terminal without any display.
ChildRun runPlicora(const std::vector<std::string>& arguments, Output output = Output::Pipe) {
    return runProgram(PLICORA_EXECUTABLE, arguments, {.output = output});
}

// `sequenza` against one press of the window's button with the same fields.
struct SequenceCase {
    const char* name;
    Mode mode;
    const char* pages;
    const char* first;
    const char* separator;
    const char* file;   // under the test's folder, or nullptr for none
    int signatures = 0; // sheets per signature, 0 for none asked
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
    if (c.signatures > 0)
        arguments.insert(arguments.end(), {"--fascicoli", std::to_string(c.signatures)});
    const ChildRun run = runPlicora(arguments);
    const CalculationOutcome window = calculate({.mode = c.mode,
                                                 .pageCountText = c.pages,
                                                 .firstPageText = c.first,
                                                 .separator = c.separator,
                                                 .writeFile = c.file != nullptr,
                                                 .filePath = windowFile,
                                                 .sheetsPerSignature = c.signatures});
    std::string err;
    if (window.check && window.check->adjusted)
        err = "Numero totale di pagine: " + window.check->pageCountText + "\n" +
              window.check->pageWarning + "\n";
    if (window.check && window.check->adjusted &&
        signatureCount(window.check->pageCount, c.mode, c.signatures) > 1)
        err += std::string(blanksInLastSignatureMessage) + "\n";
    if (!window.error.empty()) // naming the file the command was given
        err += "plicora: " + window.errorText + "\n";
    if (const auto at = err.find(windowFile); c.file && at != std::string::npos)
        err.replace(at, windowFile.size(), cliFile);
    EXPECT_EQ(run.out, window.listing.value_or(""));
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
        SequenceCase{"fileInMissingFolder", Mode::FourUp, "8", "1", ",", "manca/seq.txt"},
        SequenceCase{"fourUpSignaturesRounded", Mode::FourUp, "41", "1", ",", "seq.txt", 4},
        SequenceCase{"eightUpOneSignature", Mode::EightUp, "40", "1", ";", nullptr, 5}),
    caseName<SequenceCase>);

void writeText(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// What is in the folder before the command runs.
enum class Setup {
    Nothing,
    Numbered,
    Long,
    Thick,
    Text,
    Truncated,
    Repairable,
    Locked,
    NoPages,
    Pipe,
    Blocked
};

void prepare(Setup setup, const fs::path& d) {
    const fs::path doc = d / "doc.pdf";
    if (setup != Setup::Nothing && setup != Setup::Text && setup != Setup::Truncated &&
        setup != Setup::NoPages)
        writeNumberedPdf(doc, std::vector<NumberedPage>(setup == Setup::Long    ? 2001
                                                        : setup == Setup::Thick ? 600
                                                                                : 8));
    if (setup == Setup::Text)
        writeText(doc, "Caro diario,\n");
    if (setup == Setup::Truncated)
        writeText(doc, "%PDF-1.4\n1 0 obj << /Type /Catalog\n%%EOF\n");
    if (setup == Setup::NoPages)
        writeText(doc, "%PDF-1.4\n1 0 obj << /Type /Catalog /Pages 2 0 R >> endobj\n2 0 obj "
                       "<< /Type /Pages /Kids [] /Count 0 >> endobj\ntrailer << /Root 1 0 R >>\n");
    if (setup == Setup::Repairable) {
        std::string pdf = readFile(doc);
        writeText(doc, pdf.replace(pdf.rfind("startxref"), 9, "startxerr"));
    }
    if (setup == Setup::Locked) { // behind a password
        const std::string command = "qpdf --encrypt utente padrone 256 -- " + doc.string() + " " +
                                    (d / "chiuso.pdf").string();
        EXPECT_EQ(std::system(command.c_str()), 0);
        fs::remove(doc);
    }
    if (setup == Setup::Pipe)
        mkfifo((d / "tubo").c_str(), 0600);
    if (setup == Setup::Blocked) { // the backs can't be written; an earlier front file exists
        writeText(d / "doc-fronte.pdf", "fronte di prima");
        fs::create_directory(d / "doc-retro.pdf");
    }
}

// A run of the program: what it prints, its exit status, and every file of its folder as it
// was unless it succeeds. Arguments starting with "@" name a file in the folder.
struct CommandCase {
    const char* name;
    Setup setup;
    std::vector<std::string> arguments;
    int status;
    std::string out;
    std::string err; // whole for status 1, else how it starts; "@" stands for the folder
    Output output = Output::Pipe;
};

// An error line as the command line writes it.
std::string failed(const std::string& message) {
    return "plicora: " + message;
}

// The error line for standard output failing for `reason`.
std::string outputFailed(const std::string& reason) {
    return failed(outputWriteFailedMessage + (" (uscita standard: " + reason + ")"));
}

// `sequenza` for a mode and a page count.
std::vector<std::string> sequence(const std::vector<std::string>& modeAndPages) {
    return {"sequenza", "--modo", modeAndPages[0], "--pagine", modeAndPages[1]};
}

class Command : public ::testing::TestWithParam<CommandCase> {};

TEST_P(Command, answersAndLeavesNoFileBehind) {
    const CommandCase& c = GetParam();
    const TemporaryDirectory dir;
    prepare(c.setup, dir.path());
    const auto inDir = [&](std::string text) {
        return text.starts_with('@') ? (dir.path() / text.substr(1)).string() : text;
    };
    std::vector<std::string> arguments;
    for (const std::string& argument : c.arguments)
        arguments.push_back(inDir(argument));
    const auto before = folderContents(dir.path());
    const ChildRun run = runPlicora(arguments, c.output);
    EXPECT_EQ(run.status, c.status) << run.err;
    EXPECT_TRUE(run.out.starts_with(inDir(c.out))) << run.out;
    std::string err = c.err;
    for (std::size_t at; (at = err.find('@')) != std::string::npos;)
        err.replace(at, 1, dir.path().string() + "/");
    EXPECT_TRUE(c.status == 1 ? run.err == err + "\n" : run.err.starts_with(err)) << run.err;
    if (c.status != 0) {
        EXPECT_EQ(folderContents(dir.path()), before);
    }
    EXPECT_TRUE(fs::is_character_file("/dev/full")); // written to, never replaced
}

const std::string four[] = {"opuscolo", "--modo", "4"};
std::vector<std::string> booklet(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), std::begin(four), std::end(four));
    return arguments;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Command,
    ::testing::Values(
        CommandCase{"imposed", Setup::Numbered, booklet({"@doc.pdf"}), 0, "@doc-opuscolo.pdf\n",
                    ""},
        CommandCase{"separate", Setup::Numbered,
                    booklet({"@doc.pdf", "-o", "@b.pdf", "--separati"}), 0, "@b-fronte.pdf\n", ""},
        CommandCase{"repairable", Setup::Repairable, booklet({"@doc.pdf"}), 0, "@doc-opuscolo", ""},
        CommandCase{"notPdf", Setup::Text, booklet({"@doc.pdf"}), 1, "", failed(notPdfMessage)},
        CommandCase{"damaged", Setup::Truncated, booklet({"@doc.pdf"}), 1, "",
                    failed(damagedPdfMessage)},
        CommandCase{"password", Setup::Locked, booklet({"@chiuso.pdf"}), 1, "",
                    failed(passwordMessage)},
        CommandCase{"noPages", Setup::NoPages, booklet({"@doc.pdf"}), 1, "",
                    failed(noPagesMessage)},
        CommandCase{
            "missing", Setup::Nothing, booklet({"@doc.pdf"}), 1, "",
            failed(cannotOpenDocumentMessage + std::string(" (@doc.pdf: File inesistente)"))},
        // Said once the pages are counted, before any is read or the count rounded.
        CommandCase{"tooManyPages", Setup::Long, booklet({"@doc.pdf"}), 1, "",
                    failed(documentTooLongMessage(2000))},
        CommandCase{"thickAdvised", Setup::Thick, booklet({"@doc.pdf"}), 0, "@doc-opuscolo.pdf\n",
                    "Consiglio: 150 fogli piegati insieme non stanno piatti"},
        CommandCase{"outputIsInput", Setup::Numbered, booklet({"@doc.pdf", "-o", "@./doc.pdf"}), 1,
                    "", failed(outputIsInputMessage)},
        CommandCase{"emptyOutput", Setup::Numbered, booklet({"@doc.pdf", "-o", ""}), 2, "",
                    "plicora: Il nome del file di uscita"},
        // Given twice, one of the two would be dropped without a word.
        CommandCase{"modeTwice", Setup::Numbered, booklet({"@doc.pdf", "--modo", "8"}), 2, "",
                    failed(optionTwiceMessage("modo"))},
        CommandCase{"outputTwiceByItsTwoNames", Setup::Numbered,
                    booklet({"@doc.pdf", "-o", "@a.pdf", "--uscita", "@b.pdf"}), 2, "",
                    failed(optionTwiceMessage("o"))},
        CommandCase{"flagTwice", Setup::Numbered, booklet({"@doc.pdf", "--separati", "--separati"}),
                    2, "", failed(optionTwiceMessage("separati"))},
        CommandCase{"devStdinWithoutOutput", Setup::Nothing, booklet({"/dev/stdin"}), 2, "",
                    failed(deviceNeedsOutputMessage("/dev/stdin"))},
        CommandCase{
            "outputFolderMissing", Setup::Numbered, booklet({"@doc.pdf", "-o", "@manca/b.pdf"}), 1,
            "", failed(cannotOpenMessage + std::string(" (@manca/b.pdf: Cartella inesistente)"))},
        CommandCase{"deviceFull", Setup::Numbered, booklet({"@doc.pdf", "-o", "/dev/full"}), 1, "",
                    failed(writeFailedMessage +
                           std::string(" (/dev/full: Spazio su disco insufficiente)"))},
        CommandCase{
            "fifoWithoutReader", Setup::Pipe, booklet({"@doc.pdf", "-o", "@tubo"}), 1, "",
            failed(cannotOpenMessage + std::string(" (@tubo: Nessun programma legge la FIFO)"))},
        CommandCase{"backFailsFrontKept", Setup::Blocked, booklet({"@doc.pdf", "--separati"}), 1,
                    "",
                    failed(cannotOpenMessage + std::string(" (@doc-retro.pdf: È una cartella)"))},
        CommandCase{"signaturesForTheHand", Setup::Numbered,
                    booklet({"@doc.pdf", "--fascicoli", "1", "--scorrimento", "1,5", "--separati",
                             "--retro-inverso", "--retro-capovolti"}),
                    0, "@doc-fronte.pdf\n", ""},
        CommandCase{"testSheet",
                    Setup::Nothing,
                    {"prova", "--modo", "8", "-o", "@p.pdf"},
                    0,
                    "@p-fronte.pdf\n",
                    ""},
        CommandCase{"testSheetOfADocument",
                    Setup::Numbered,
                    {"prova", "--modo", "4", "@doc.pdf"},
                    2,
                    "",
                    "plicora: Argomento inatteso"},
        CommandCase{"noSignatures", Setup::Numbered, booklet({"@doc.pdf", "--fascicoli", "0"}), 2,
                    "", "plicora: --fascicoli vuole un numero di fogli da 1 a 500, non '0'"},
        CommandCase{"tooLargeSignatures",
                    Setup::Nothing,
                    {"sequenza", "--modo", "4", "--pagine", "8", "--fascicoli", "501"},
                    2,
                    "",
                    "plicora: --fascicoli vuole"},
        CommandCase{"creepTooLarge", Setup::Numbered, booklet({"@doc.pdf", "--scorrimento", "5.5"}),
                    2, "", "plicora: --scorrimento vuole i millimetri da 0 a 5"},
        CommandCase{"creepEightUp",
                    Setup::Numbered,
                    {"opuscolo", "--modo", "8", "@doc.pdf", "--scorrimento", "1"},
                    2,
                    "",
                    "plicora: --scorrimento vale solo per l'opuscolo a 4 pagine per foglio"},
        CommandCase{"backsWithoutSeparate", Setup::Numbered,
                    booklet({"@doc.pdf", "--retro-capovolti"}), 2, "",
                    "plicora: --retro-inverso e --retro-capovolti valgono solo con --separati"},
        CommandCase{"longEdge", Setup::Numbered, booklet({"@doc.pdf", "--bordo", "lungo"}), 0,
                    "@doc-opuscolo.pdf\n", ""},
        CommandCase{"edgeValue", Setup::Numbered, booklet({"@doc.pdf", "--bordo", "alto"}), 2, "",
                    "plicora: --bordo vuole corto oppure lungo, non 'alto'"},
        CommandCase{"edgeWithSeparate", Setup::Numbered,
                    booklet({"@doc.pdf", "--bordo", "corto", "--separati"}), 2, "",
                    "plicora: --bordo vale solo per l'opuscolo in un file"},
        CommandCase{"copiesWithoutPrinter", Setup::Numbered, booklet({"@doc.pdf", "--copie", "2"}),
                    2, "", "plicora: --copie vale solo con --stampante"},
        CommandCase{"copiesTooMany", Setup::Numbered,
                    booklet({"@doc.pdf", "--stampante", "X", "--copie", "1000"}), 2, "",
                    "plicora: --copie vuole un numero da 1 a 999, non '1000'"},
        CommandCase{"printerWithSeparate", Setup::Numbered,
                    booklet({"@doc.pdf", "--stampante", "X", "--separati"}), 2, "",
                    "plicora: Con --stampante non serve --separati"},
        CommandCase{"printerToStandardOutput", Setup::Numbered,
                    booklet({"@doc.pdf", "--stampante", "X", "-o", "-"}), 2, "",
                    "plicora: Con --stampante l'uscita standard"},
        CommandCase{"help", Setup::Nothing, {"opuscolo", "--help"}, 0, "Uso:\n", ""},
        // Four pages a sheet unless asked otherwise, as in the window; sequenza still asks.
        CommandCase{"bookletFourUpByDefault",
                    Setup::Numbered,
                    {"opuscolo", "@doc.pdf"},
                    0,
                    "@doc-opuscolo.pdf\n",
                    ""},
        CommandCase{"testSheetFourUpByDefault",
                    Setup::Nothing,
                    {"prova", "-o", "@p.pdf"},
                    0,
                    "@p-fronte.pdf\n",
                    ""},
        CommandCase{"sequenceStillAsksForTheMode",
                    Setup::Nothing,
                    {"sequenza", "--pagine", "8"},
                    2,
                    "",
                    "plicora: Manca l'opzione --modo"},
        CommandCase{"margin", Setup::Numbered, booklet({"@doc.pdf", "--margine", "6,35"}), 0,
                    "@doc-opuscolo.pdf\n", ""},
        CommandCase{"marginTooWide", Setup::Numbered, booklet({"@doc.pdf", "--margine", "21"}), 2,
                    "", "plicora: --margine vuole i millimetri da 0 a 20"},
        CommandCase{"marginUnreadable", Setup::Numbered, booklet({"@doc.pdf", "--margine", "5mm"}),
                    2, "", "plicora: --margine vuole"},
        CommandCase{"printersTakeNoArgument",
                    Setup::Nothing,
                    {"stampanti", "Ufficio"},
                    2,
                    "",
                    "plicora: Argomento inatteso"},
        CommandCase{"paperRightToLeftBackCover",
                    Setup::Long,
                    {"opuscolo", "--modo", "8", "@doc.pdf", "--carta", "a3", "--da-destra",
                     "--quarta-di-copertina"},
                    0,
                    "@doc-opuscolo.pdf\n",
                    "Aggiunte 7 pagine bianche prima dell'ultima pagina, che resta la quarta di "
                    "copertina: il documento ha 2001 pagine, l'opuscolo 2008.\n"},
        CommandCase{"testSheetOnCustomPaper",
                    Setup::Nothing,
                    {"prova", "--modo", "4", "-o", "@p.pdf", "--carta", "320x450"},
                    0,
                    "@p-fronte.pdf\n",
                    ""},
        CommandCase{"paperUnknown", Setup::Numbered, booklet({"@doc.pdf", "--carta", "B4"}), 2, "",
                    "plicora: --carta vuole A3, A4, A5, letter, legal, tabloid, oppure "
                    "LARGHEZZAxALTEZZA in millimetri interi, da 100 a 1000 per lato (per esempio "
                    "320x450), non 'B4'"},
        CommandCase{"paperTooSmall", Setup::Numbered, booklet({"@doc.pdf", "--carta", "99x450"}), 2,
                    "", "plicora: --carta vuole"},
        CommandCase{"paperMalformed",
                    Setup::Nothing,
                    {"prova", "--modo", "4", "--carta", "320x45o"},
                    2,
                    "",
                    "plicora: --carta vuole"},
        // Standard output: the booklet itself, and every way of failing to write there.
        CommandCase{"bookletToPipe", Setup::Numbered, booklet({"@doc.pdf", "-o", "-"}), 0, "%PDF-",
                    ""},
        CommandCase{"devStdoutIntoPipe", Setup::Numbered,
                    booklet({"@doc.pdf", "-o", "/dev/stdout"}), 0, "%PDF-", ""},
        CommandCase{"standardInputWithoutOutput", Setup::Nothing, booklet({"-"}), 2, "",
                    "plicora: Con il documento dall'ingresso standard"},
        CommandCase{"separateToStandardOutput", Setup::Numbered,
                    booklet({"@doc.pdf", "-o", "-", "--separati"}), 2, "",
                    "plicora: Con --separati"},
        CommandCase{"testSheetToStandardOutput",
                    Setup::Nothing,
                    {"prova", "--modo", "4", "-o", "-"},
                    2,
                    "",
                    "plicora: La prova si scrive in due file"},
        CommandCase{"emptyFile",
                    Setup::Nothing,
                    {"sequenza", "--modo", "4", "--pagine", "8", "--file", ""},
                    2,
                    "",
                    "plicora: Il nome del file di uscita \u00e8 vuoto\nPer l'aiuto"},
        CommandCase{"longValueCut",
                    Setup::Nothing,
                    {"sequenza", "--modo", std::string(100000, '9'), "--pagine", "8"},
                    2,
                    "",
                    "plicora: --modo vuole 4 oppure 8, non '" + std::string(60, '9') +
                        "\u2026'\nPer l'aiuto"},
        CommandCase{"listingToFullDevice", Setup::Nothing, sequence({"8", "32760"}), 1, "",
                    outputFailed("Spazio su disco insufficiente"), Output::Full},
        CommandCase{"listingToClosedOutput", Setup::Nothing, sequence({"4", "8"}), 1, "",
                    outputFailed("Non è aperto in scrittura"), Output::Closed},
        CommandCase{"helpReaderGone",
                    Setup::Nothing,
                    {"--help"},
                    1,
                    "",
                    outputFailed("Il programma che leggeva ha chiuso la pipe"),
                    Output::ReaderGone},
        CommandCase{"nameNotUtf8", Setup::Numbered, booklet({"@doc.pdf", "-o", "@out\xe9.pdf"}), 0,
                    "@out\xe9.pdf\n", ""},
        CommandCase{"version", Setup::Nothing, {"--version"}, 0, "plicora 1.0.0\n", ""},
        CommandCase{"noDocument", Setup::Nothing, booklet({}), 2, "", "plicora: Manca"},
        CommandCase{"twoDocuments", Setup::Nothing, booklet({"@a.pdf", "@b.pdf"}), 2, "",
                    "plicora: Si può"},
        CommandCase{"unknownOption", Setup::Nothing, booklet({"--fronte"}), 2, "",
                    "plicora: Opzione sconosciuta"},
        CommandCase{"badMode",
                    Setup::Nothing,
                    {"sequenza", "--modo", "6", "--pagine", "8"},
                    2,
                    "",
                    "plicora: --modo"},
        CommandCase{"missingPages",
                    Setup::Nothing,
                    {"sequenza", "--modo", "4"},
                    2,
                    "",
                    "plicora: Manca l'opzione --pagine"},
        CommandCase{"missingValue",
                    Setup::Nothing,
                    {"sequenza", "--modo"},
                    2,
                    "",
                    "plicora: Manca il valore"},
        CommandCase{
            "longSeparator",
            Setup::Nothing,
            {"sequenza", "--modo", "4", "--pagine", "8", "--separatore", std::string(256, ';')},
            2,
            "",
            "plicora: Il separatore"},
        // The windows without a display: a message, not Qt's abort.
        CommandCase{"noDisplay", Setup::Nothing, {}, 1, "", noDisplayMessage},
        CommandCase{"pdfWithoutDisplay", Setup::Numbered, {"@doc.pdf"}, 1, "", noDisplayMessage},
        CommandCase{
            "chooserWithoutDisplay", Setup::Nothing, {"--scegli-pdf"}, 1, "", noDisplayMessage},
        CommandCase{
            "styleWithoutDisplay", Setup::Nothing, {"-style", "fusion"}, 1, "", noDisplayMessage},
        // Arguments the windows don't take: a usage error, before any display is looked for.
        CommandCase{"modeWithoutCommand",
                    Setup::Nothing,
                    {"--modo", "9"},
                    2,
                    "",
                    "plicora: L'opzione --modo va dopo un comando"},
        CommandCase{"unknownAfterQtOptions",
                    Setup::Nothing,
                    {"-style", "fusion", "-reverse", "--qualsiasi"},
                    2,
                    "",
                    "plicora: Opzione sconosciuta: '--qualsiasi'.\nPer l'aiuto: plicora --help"},
        CommandCase{"missingDocument",
                    Setup::Nothing,
                    {"@manca.pdf"},
                    2,
                    "",
                    "plicora: Il file non esiste"}),
    caseName<CommandCase>);

// The rules of a job, as the command line words them: the engine runs (and finds no document)
// only when the judge lets the job through.
TEST(JobRules, areTheJudgesInTheCommandLinesWords) {
    for (const JobRuleCase& c : jobRuleCases()) {
        std::vector<std::string> arguments{"opuscolo", "--modo", c.mode == Mode::FourUp ? "4" : "8",
                                           "/manca/doc.pdf"};
        if (c.signatures)
            arguments.insert(arguments.end(), {"--fascicoli", c.signatures});
        if (c.creep)
            arguments.insert(arguments.end(), {"--scorrimento", c.creep});
        if (c.separate)
            arguments.emplace_back("--separati");
        if (c.reversedBacks)
            arguments.emplace_back("--retro-inverso");
        std::string message = cannotOpenDocumentMessage;
        if (c.fault == JobFault::SignaturesOutOfRange)
            message = signaturesValueMessage(c.signatures);
        else if (c.fault == JobFault::CreepOutOfRange)
            message = creepValueMessage(c.creep);
        else if (c.fault == JobFault::CreepEightUp)
            message = creepFourUpOnlyMessage();
        else if (c.fault == JobFault::BacksWithoutSeparate)
            message = backsNeedSeparateMessage;
        const ChildRun run = runPlicora(arguments);
        EXPECT_EQ(run.status, c.fault ? 2 : 1) << c.name;
        EXPECT_TRUE(run.err.starts_with(failed(message))) << c.name << ": " << run.err;
    }
}

// Only the program's own commands make it a command; Qt's options and a session manager's
// restart open the windows.
TEST(IsCommand, takesOnlyTheProgramsOwnCommands) {
    for (const char* command : {"sequenza", "opuscolo", "prova", "--help", "-h", "--version", "-v"})
        EXPECT_TRUE(isCommand(command)) << command;
    for (const char* other :
         {"-style", "-platform", "-reverse", "-session", "stampa", "", "doc.pdf"})
        EXPECT_FALSE(isCommand(other)) << other;
    EXPECT_FALSE(isCommand(nullptr));
}

// Which window the arguments open once Qt's options are set aside: a file manager passes the one
// file it opens with Plicora; anything else is a usage error.
TEST(WindowRoute, opensTheBookletWindowForOneExistingFile) {
    const TemporaryDirectory dir;
    const std::string document = dir.path() / "doc.pdf", folder = dir.path();
    writeText(document, "%PDF-");
    using Window = WindowRoute::Window;
    const struct {
        std::vector<std::string> arguments;
        std::optional<Window> window; // nothing: a usage error
    } cases[] = {
        {{}, Window::Main},
        {{document}, Window::Booklet},
        {{document, "-style", "fusion"}, Window::Booklet},
        {{"--style=fusion", "-reverse", document}, Window::Booklet},
        {{"-session", document}, Window::Main},
        {{"-platform", "offscreen", "--scegli-pdf"}, Window::ChoosePdf},
        {{dir.path() / "manca.pdf"}, std::nullopt},
        {{folder}, std::nullopt},
        {{document, document}, std::nullopt},
        {{"--modo", "9"}, std::nullopt},
        {{"-o", "b.pdf"}, std::nullopt},
        {{"--qualsiasi"}, std::nullopt},
        {{"-"}, std::nullopt},
        {{"-style", "fusion", "-x"}, std::nullopt},
        // The booklet printer's job, with the engine's arguments for it.
        {{"--lavoro-di-stampa", "--modo", "4", "--stampante", "Unlato", "--", document},
         Window::PrintJob},
        {{"--lavoro-di-stampa", "--modo", "4", dir.path() / "manca.pdf"}, std::nullopt},
        {{"--lavoro-di-stampa", "--stampante", "Unlato", document}, std::nullopt},
    };
    for (const auto& c : cases) {
        std::vector<const char*> argv{"plicora"};
        for (const std::string& argument : c.arguments)
            argv.push_back(argument.c_str());
        if (!c.window) {
            EXPECT_THROW(windowRoute(static_cast<int>(argv.size()), argv.data()), UsageError)
                << argv.back();
            continue;
        }
        const WindowRoute route = windowRoute(static_cast<int>(argv.size()), argv.data());
        EXPECT_EQ(route.window, *c.window) << argv.back();
        const bool opensDocument = c.window == Window::Booklet || c.window == Window::PrintJob;
        EXPECT_EQ(route.document, opensDocument ? document : "");
        EXPECT_EQ(route.job.printer, c.window == Window::PrintJob ? "Unlato" : "");
    }
}

} // namespace
