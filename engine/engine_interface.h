#pragma once

#include "core/page.h"

#include <filesystem>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// How a program runs the booklet engine, `plicora-opuscolo`: its arguments, its exit statuses,
// what it writes on its standard output and where it is installed. The engine writes its Italian
// messages on standard error, one a line.
namespace plicora::engine {

inline constexpr const char* programName = "plicora-opuscolo";

// Exit statuses: a signal, or any other status, means the engine ended unexpectedly.
inline constexpr int exitSuccess = 0;
inline constexpr int exitFailure = 1; // the document or a file failed: the message says which
inline constexpr int exitUsage = 2;

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
    // One file only: with Long every back is turned by 180 degrees. None: Short, or when
    // printing the edge the printer has.
    std::optional<Edge> edge = std::nullopt;
    // A CUPS destination to print on; then files are written only when `output` names them, and
    // the backs' options are for feeding the backs by hand.
    std::string printer = {};
    int copies = 1; // printing only
    friend bool operator==(const BookletJob&, const BookletJob&) = default;
};

// Arguments the engine doesn't understand; what() says why, in Italian.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The engine's arguments for `job`, after the program's name.
std::vector<std::string> arguments(const BookletJob& job);

// The job that `args` (after the program's name) ask for; throws UsageError.
BookletJob readArguments(std::span<const std::string_view> args);

// Millimetres written with "." or "," as the decimal mark and at most two decimals, as
// hundredths of a millimetre; nothing when `text` is anything else or above creepMaxMillimetres.
std::optional<int> readMillimetres(std::string_view text);

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

// The engine's only argument when it lists the printers, one printerLine() each.
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

// The engine's executable for a program in `programFolder`: beside it in the build tree, else in
// the package's private folder.
std::filesystem::path enginePath(const std::filesystem::path& programFolder);

} // namespace plicora::engine
