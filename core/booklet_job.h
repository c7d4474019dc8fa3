#pragma once

#include "page.h"
#include "paper.h"
#include "sheet_sides.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace plicora {

// The output that is standard output: the booklet alone is written there.
inline constexpr std::string_view standardOutput = "-";
// The document read from standard input; the output must then be named.
inline constexpr std::string_view standardInput = "-";

// The most creep a booklet takes: beyond it the inner pages lose more margin than they gain.
inline constexpr int creepMaxMillimetres = 5;

// The widest margin a booklet's sheets are given: beyond it a four-up A4 page loses a fifth.
inline constexpr int marginMaxMillimetres = 20;

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
    // Printing: the printer's default paper, when it is a named one, instead of `paper`.
    bool printerPaper = false;
    // In hundredths of a millimetre: each sheet side's edges left blank, the pages scaled to fit
    // inside; printing widens it to the printer's own margins.
    int margin = 0;
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
    MarginOutOfRange,           // margin beyond 0..marginMaxMillimetres
    BacksWithoutSeparate,       // the backs' options are about feeding the backs by hand
    EdgeWithTwoFiles,           // the duplex edge is for one file printed on both sides
    CopiesOutOfRange,           // copies beyond 1..copiesMax
    CopiesWithoutPrinter,       // copies are printed ones
    PrinterWithTwoFiles,        // a printer is fed by hand from one job, not from two files
    PrinterToStandardOutput,    // standard output carries the printer's and the job's lines
    TwoFilesToStandardOutput,   // two files can't both be standard output
    StandardInputWithoutOutput, // a document read from a stream (isStreamDocument): no name to
                                // build the output's on, nor a printer
};

// Whether `document` is read from a stream rather than from a file beside which its booklet can
// be written: standard input, or a device or a process's descriptor (/dev/stdin, /dev/fd/0,
// /proc/self/fd/0), whose folder takes no booklet.
bool isStreamDocument(std::string_view document);

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

// Millimetres `text` gives, in hundredths: 0 when blank, millimetres written with "." or "," as
// the decimal mark and at most two decimals, else unreadableNumber.
int readMillimetres(std::string_view text);

// The creep `text` asks for, as readMillimetres() reads it.
int readCreep(std::string_view text);

// The margin `text` asks for, as readMillimetres() reads it.
int readMargin(std::string_view text);

// The text readCreep reads `hundredths` of a millimetre back from.
std::string creepText(int hundredths);

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

// The words the edges are written with.
inline constexpr std::string_view shortEdgeText = "corto";
inline constexpr std::string_view longEdgeText = "lungo";

// The edge `text` names: shortEdgeText or longEdgeText; nothing for anything else.
std::optional<Edge> readEdge(std::string_view text);

// The copies `text` asks for: a whole number as written, else unreadableNumber.
int readCopies(std::string_view text);

// The files `job` writes: the booklet, or the fronts then the backs.
std::vector<std::string> outputPaths(const BookletJob& job);

} // namespace plicora
