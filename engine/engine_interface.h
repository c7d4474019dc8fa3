#pragma once

#include "console/console.h"
#include "core/page.h"
#include "core/paper.h"
#include "core/sheet_sides.h"

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// How a program runs the booklet engine, `plicora-opuscolo`: its arguments, what it writes on its
// standard output and where it is installed. It ends with the console's exit statuses
// (exitFailure: the document or a file failed, and the message says which). The engine writes
// its Italian messages on standard error, one a line: errors after errorLinePrefix, as the
// command line shows them, or bare, ready for a window, when the job asks for bareMessages.
namespace plicora::engine {

inline constexpr const char* programName = "plicora-opuscolo";

// What a caller tells the engine when it can't be started, or when it ended unexpectedly.
inline constexpr const char* missingMessage =
    "Impossibile avviare l'impaginazione del PDF: manca il programma plicora-opuscolo";
inline constexpr const char* diedMessage =
    "L'impaginazione del PDF si \u00e8 interrotta in modo imprevisto";

// The output that is the engine's standard output: the booklet alone is written there.
inline constexpr std::string_view standardOutput = "-";
// The document read from the engine's standard input; the output must then be named.
inline constexpr std::string_view standardInput = "-";

// The most creep a booklet takes: beyond it the inner pages lose more margin than they gain.
inline constexpr int creepMaxMillimetres = 5;

// The most copies a print job takes.
inline constexpr int copiesMax = 999;

// The edge a duplex printer turns the sheet on.
enum class Edge { Short, Long };

// One booklet to make, or the test sheet for printing without duplex.
struct BookletJob {
    Mode mode = Mode::FourUp;
    std::string document = {};
    std::string output = {};    // empty: named after the document, beside it; standardOutput
    bool separate = false;      // fronts and backs in two files
    bool progress = false;      // progress lines on standard output
    int sheetsPerSignature = 0; // 0: one booklet
    int creep = 0;              // in hundredths of a millimetre, four-up only
    bool reversedBacks = false; // separate only: the backs last sheet first
    bool turnedBacks = false;   // separate only: every back turned by 180 degrees
    bool testSheet = false;     // the test sheet, always in two files, instead of a document
    bool bareMessages = false;  // for a window: no errorLinePrefix, no advice it gives itself
    Paper paper = {};           // each sheet side is this paper in landscape
    Binding binding = {};       // a document only: which way it opens, where the blanks go
    // One file only: with Long every back is turned by 180 degrees. None: Short, or when
    // printing the edge the printer has.
    std::optional<Edge> edge = std::nullopt;
    // A CUPS destination to print on; then files are written only when `output` names them, and
    // the backs' options are for feeding the backs by hand.
    std::string printer = {};
    int copies = 1; // printing only
    friend bool operator==(const BookletJob&, const BookletJob&) = default;
};

// What can be wrong with a job as a value, one rule each; jobFaults() gives them in this order.
enum class JobFault {
    NoDocument,                 // neither a document nor the test sheet
    TestSheetWithDocument,      // the test sheet takes no document
    TestSheetWithOptions,       // nor a booklet's options: it is always its own pair of files
    PaperNotAccepted,           // neither a named paper nor a custom size in range
    SignaturesOutOfRange,       // sheets per signature beyond 0 (one booklet)..signatureMaxSheets
    CreepOutOfRange,            // creep beyond 0..creepMaxMillimetres
    CreepEightUp,               // the engine shifts four-up pages only
    BacksWithoutSeparate,       // the backs' options are about feeding the backs by hand
    EdgeWithTwoFiles,           // the duplex edge is for one file printed on both sides
    CopiesOutOfRange,           // copies beyond 1..copiesMax
    CopiesWithoutPrinter,       // copies are printed ones
    PrinterWithTwoFiles,        // a printer is fed by hand from one job, not from two files
    PrinterToStandardOutput,    // standard output carries the printer's and the job's lines
    TwoFilesToStandardOutput,   // two files can't both be standard output
    StandardInputWithoutOutput, // no document name to build the output's on, nor a printer
};

// Whether `sheets` per signature is a count the engine takes: 0 (one booklet) to
// signatureMaxSheets.
bool signaturesInRange(int sheets);

// Every fault of `job`, in JobFault's order; none when the engine can make it.
std::vector<JobFault> jobFaults(const BookletJob& job);

// What text readers give for a text that is no number: a value every range refuses, so that
// jobFaults() reports it as out of range.
inline constexpr int unreadableNumber = -1;

// The sheets per signature `text` asks for: 0 when blank (one booklet), a whole number of sheets
// from 1 up as written, else unreadableNumber.
int readSheetsPerSignature(std::string_view text);

// The creep `text` asks for, in hundredths of a millimetre: 0 when blank, millimetres written
// with "." or "," as the decimal mark and at most two decimals, else unreadableNumber.
int readCreep(std::string_view text);

// The most sheets folded together that still lie flat: 20 sheets of 80 g/m² paper are about
// 2 mm thick, and past that the inner sheets stick out by more than a page's margin can take.
inline constexpr int thickStackSheets = 20;
// The most sheets of a proposed signature: 8 sheets still fold crisply, and are a bookbinder's
// usual signature.
inline constexpr int proposedSignatureMaxSheets = 8;

// The sheets per signature to propose for a document of `pageCount` pages asking for
// `sheetsPerSignature` (0: one booklet): when one booklet would be thicker than thickStackSheets,
// signatures of at most proposedSignatureMaxSheets, as even as can be; else nothing.
std::optional<int> signaturesAdvice(Mode mode, int pageCount, int sheetsPerSignature);

// The edge `text` names: "corto" or "lungo"; nothing for anything else.
std::optional<Edge> readEdge(std::string_view text);

// The copies `text` asks for: a whole number as written, else unreadableNumber.
int readCopies(std::string_view text);

// The engine's arguments for `job`, after the program's name.
std::vector<std::string> arguments(const BookletJob& job);

// The job that `args` (after the program's name) ask for; throws UsageError.
BookletJob readArguments(std::span<const std::string_view> args);

// The paper `text` names: A3, A4, A5, letter, legal or tabloid in any case, or WIDTHxHEIGHT in
// whole millimetres (an "x" or "X" between them); nothing for anything else or a custom side out
// of range.
std::optional<Paper> readPaper(std::string_view text);

// The name readPaper reads `paper` back from.
std::string paperText(const Paper& paper);

// Whether a booklet can be printed on `paper`: a named paper, or whole millimetres from
// paperMinMillimetres to paperMaxMillimetres a side.
bool acceptedPaper(const Paper& paper);

// The files `job` writes: the booklet, or the fronts then the backs.
std::vector<std::string> outputPaths(const BookletJob& job);

// How far the engine is: pages of the booklet done of its total.
struct Progress {
    int done = 0;
    int total = 0;
    friend bool operator==(const Progress&, const Progress&) = default;
};

// A progress line on the engine's standard output, line end included. The engine's other lines
// are the paths it wrote, once they are written.
std::string progressLine(Progress progress);

// The progress a line of the engine's output (without its line end) gives, if it is one.
std::optional<Progress> readProgressLine(std::string_view line);

// What a printer CUPS knows can do, as far as a booklet needs.
struct Printer {
    std::string name;
    bool isDefault = false;
    bool shortEdge = false; // duplex, turning on the short edge
    bool longEdge = false;  // duplex, turning on the long edge
    friend bool operator==(const Printer&, const Printer&) = default;
};

// The engine's only argument when it lists the printers, one printerLine() each; its messages
// are then bare, as with bareMessages.
inline constexpr std::string_view listPrintersOption = "--stampanti";

// A line listing `printer`, line end included.
std::string printerLine(const Printer& printer);

// The printer a line of the engine's output (without its line end) names, if it is one.
std::optional<Printer> readPrinterLine(std::string_view line);

// How a booklet goes onto a printer's paper.
enum class PrintWay {
    ShortEdge, // one job, both sides, turned on the short edge
    LongEdge,  // one job, both sides, turned on the long edge with every back turned
    ByHand,    // the fronts, then the stack put back by hand, then the backs
};

// How `job` prints on `printer`: the edge the job asks for, else the short edge where the
// printer has it, then the long one; by hand without duplex, and always for the test sheet.
// Nothing when the printer lacks the edge the job asks for.
std::optional<PrintWay> printWay(const BookletJob& job, const Printer& printer);

// Where a print job is in CUPS.
enum class JobState { Queued, Printing, Printed };

// A job CUPS took.
struct JobStatus {
    int id = 0;
    JobState state = JobState::Queued;
    std::string printer = {};
    std::string message = {}; // what CUPS says of the printer, in its own words, if anything
    friend bool operator==(const JobStatus&, const JobStatus&) = default;
};

// A line telling a job's state, line end included: one when CUPS takes the job, one for each
// change. The engine ends once the job is printed, or has been printing for a moment (long
// enough for CUPS to say that the printer can't be reached).
std::string jobLine(const JobStatus& status);

// The job a line of the engine's output (without its line end) tells of, if it is one.
std::optional<JobStatus> readJobLine(std::string_view line);

// Printing by hand, the engine prints this line once the fronts are printed, then waits for
// continueLine on its standard input before it sends the backs; anything else sends nothing more.
inline constexpr std::string_view backsAwaitedLine = "attesa-retri";
inline constexpr std::string_view continueLine = "continua";

// The engine's executable for the running program: beside it in the build tree, else in the
// package's private folder.
std::filesystem::path enginePath();

} // namespace plicora::engine
