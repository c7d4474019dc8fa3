#pragma once

#include "core/page.h"
#include "core/paper.h"
#include "core/sheet_sides.h"

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
    Paper paper = {};           // each sheet side is this paper in landscape
    Binding binding = {};       // a document only: which way it opens, where the blanks go
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

// The engine's executable for a program in `programFolder`: beside it in the build tree, else in
// the package's private folder.
std::filesystem::path enginePath(const std::filesystem::path& programFolder);

} // namespace plicora::engine
