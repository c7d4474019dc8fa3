#pragma once

#include "console/console.h"
#include "core/booklet_job.h"
#include "core/print_way.h"

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
// command line shows them, or bare and encoded (encodedLine()), ready for a window, when the job
// asks for bareMessages.
namespace plicora::engine {

inline constexpr const char* programName = "plicora-opuscolo";

// What a caller tells the engine when it can't be started, or when it ended unexpectedly.
inline constexpr const char* missingMessage =
    "Impossibile avviare l'impaginazione del PDF: manca il programma plicora-opuscolo";
inline constexpr const char* diedMessage =
    "L'impaginazione del PDF si \u00e8 interrotta in modo imprevisto";

// The options a person gives `plicora opuscolo` and `plicora prova`, as they are written there
// and in the engine's arguments alike.
namespace userOption {
inline constexpr std::string_view mode = "--modo";
inline constexpr std::string_view output = "--uscita";
inline constexpr std::string_view separate = "--separati";
inline constexpr std::string_view signatures = "--fascicoli";
inline constexpr std::string_view creep = "--scorrimento";
inline constexpr std::string_view reversedBacks = "--retro-inverso";
inline constexpr std::string_view turnedBacks = "--retro-capovolti";
inline constexpr std::string_view paper = "--carta";
inline constexpr std::string_view rightToLeft = "--da-destra";
inline constexpr std::string_view backCoverLast = "--quarta-di-copertina";
inline constexpr std::string_view edge = "--bordo";
inline constexpr std::string_view printer = "--stampante";
inline constexpr std::string_view copies = "--copie";
inline constexpr std::string_view margin = "--margine";
} // namespace userOption

// The engine's arguments for `job`, after the program's name.
std::vector<std::string> arguments(const BookletJob& job);

// The job that `args` (after the program's name) ask for; throws UsageError, also for an option
// given twice.
BookletJob readArguments(std::span<const std::string_view> args);

// How far the engine is: pages of the booklet done of its total.
struct Progress {
    int done = 0;
    int total = 0;
    friend bool operator==(const Progress&, const Progress&) = default;
};

// A progress line on the engine's standard output, line end included.
std::string progressLine(Progress progress);

// The progress a line of the engine's output (without its line end) gives, if it is one.
std::optional<Progress> readProgressLine(std::string_view line);

// For a window, the line telling that the file at `path` is written and about to take its
// place, line end included; any byte of the path travels (encodedLine()). On a terminal the
// engine writes the path alone.
std::string writtenLine(std::string_view path);

// The path a line of the engine's output (without its line end) says is written, if it is one.
std::optional<std::string> readWrittenLine(std::string_view line);

// The engine's only argument when it lists the printers, one printerLine() each; its messages
// are then bare, as with bareMessages.
inline constexpr std::string_view listPrintersOption = "--stampanti";

// The engine's first argument, before a printer's name, when it describes that one printer (one
// printerLine(), what it can do asked, at most a few seconds); its messages are then bare.
inline constexpr std::string_view describePrinterOption = "--descrivi-stampante";

// The engine's only argument when it lists the printers for a person on a terminal: one line
// each, its name first and then, after tabs, what Plicora does there and its paper.
inline constexpr std::string_view printersTextOption = "--elenco-stampanti";

// A line listing `printer`, line end included; its name and media are escaped, so that no byte
// of them can split the line.
std::string printerLine(const Printer& printer);

// The printer a line of the engine's output (without its line end) names, if it is one.
std::optional<Printer> readPrinterLine(std::string_view line);

// Where a print job is in CUPS: Held until someone lets it go, so the engine stops following it.
enum class JobState { Queued, Held, Printing, Printed };

// A job CUPS took.
struct JobStatus {
    int id = 0;
    JobState state = JobState::Queued;
    std::string printer = {};
    std::string message = {}; // what CUPS says of the printer, in its own words, if anything
    friend bool operator==(const JobStatus&, const JobStatus&) = default;
};

// A line telling a job's state, line end included: one when CUPS takes the job, one for each
// change. The engine ends once the job is printed, has been printing for a moment (long enough
// for CUPS to say that the printer can't be reached), is held, or has not changed for
// jobFollowSeconds.
std::string jobLine(const JobStatus& status);

// The job a line of the engine's output (without its line end) tells of, if it is one.
std::optional<JobStatus> readJobLine(std::string_view line);

// The longest the engine follows a job that does not change.
inline constexpr int jobFollowSeconds = 30;

// Printing by hand, the engine prints this line once the fronts are printed, then waits for
// continueLine on its standard input before it sends the backs; anything else sends nothing more.
inline constexpr std::string_view backsAwaitedLine = "attesa-retri";
inline constexpr std::string_view continueLine = "continua";

// The argument with which the booklet printer opens Plicora's booklet window on a job it received,
// followed by the engine's arguments for that job. The window's program then ends with
// exitSuccess once a booklet went to the printer from it, else with exitFailure, after an error
// line when the window could not open.
inline constexpr std::string_view printJobArgument = "--lavoro-di-stampa";

// The engine's executable for the running program: beside it in the build tree, else in the
// package's private folder.
std::filesystem::path enginePath();

} // namespace plicora::engine
