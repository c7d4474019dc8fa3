#include "booklet_job.h"

namespace plicora {
namespace {

constexpr std::string_view testSheetStem = "prova";

// `path` without a final ".pdf" in any case: the stem the output names are built on.
std::string stem(const std::string& path) {
    constexpr std::string_view extension = ".pdf";
    if (path.size() < extension.size())
        return path;
    const std::string_view end = std::string_view(path).substr(path.size() - extension.size());
    for (std::size_t i = 0; i < extension.size(); ++i)
        if ((end[i] | 0x20) != extension[i])
            return path;
    return path.substr(0, path.size() - extension.size());
}

bool hasBookletOptions(const BookletJob& job) {
    return job.separate || job.sheetsPerSignature != 0 || job.creep != 0 || job.reversedBacks ||
           job.turnedBacks || job.binding != Binding{};
}

// Whether `job` breaks the rule `fault` names.
bool breaks(JobFault fault, const BookletJob& job) {
    switch (fault) {
    case JobFault::NoDocument:
        return !job.testSheet && job.document.empty();
    case JobFault::TestSheetWithDocument:
        return job.testSheet && !job.document.empty();
    case JobFault::TestSheetWithOptions:
        return job.testSheet && hasBookletOptions(job);
    case JobFault::PaperNotAccepted:
        return !acceptedPaper(job.paper);
    case JobFault::SignaturesOutOfRange:
        return !signaturesInRange(job.sheetsPerSignature);
    case JobFault::CreepOutOfRange:
        return job.creep < 0 || job.creep > creepMaxMillimetres * 100;
    case JobFault::CreepEightUp:
        return job.creep != 0 && job.mode != Mode::FourUp;
    case JobFault::MarginOutOfRange:
        return job.margin < 0 || job.margin > marginMaxMillimetres * 100;
    case JobFault::BacksWithoutSeparate:
        // Backs fed by hand: the backs' own file, or a printer without duplex.
        return (job.reversedBacks || job.turnedBacks) && !job.separate && job.printer.empty();
    case JobFault::EdgeWithTwoFiles:
        // The edge is a matter of one file printed on both sides.
        return job.edge && (job.separate || job.testSheet);
    case JobFault::CopiesOutOfRange:
        return job.copies < 1 || job.copies > copiesMax;
    case JobFault::CopiesWithoutPrinter:
        return job.copies != 1 && job.printer.empty();
    case JobFault::PrinterWithTwoFiles:
        // The two files are how a printer is fed by hand, and standard output carries its line.
        return !job.printer.empty() && job.separate;
    case JobFault::PrinterToStandardOutput:
        return !job.printer.empty() && job.output == standardOutput;
    case JobFault::TwoFilesToStandardOutput:
        return (job.separate || job.testSheet) && job.output == standardOutput;
    case JobFault::StandardInputWithoutOutput:
        return !job.testSheet && isStreamDocument(job.document) && job.output.empty() &&
               job.printer.empty();
    }
    return false;
}

constexpr JobFault lastFault = JobFault::StandardInputWithoutOutput;

// A number of at most `digits` decimal digits, when `text` is one.
std::optional<int> readDigits(std::string_view text, std::size_t digits) {
    if (text.empty() || text.size() > digits)
        return std::nullopt;
    int value = 0;
    for (const char digit : text) {
        if (digit < '0' || digit > '9')
            return std::nullopt;
        value = value * 10 + (digit - '0');
    }
    return value;
}

std::string_view trimmed(std::string_view text) {
    constexpr std::string_view blanks = " \t";
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

// Enough digits for any value a range can take, few enough never to overflow an int.
constexpr std::size_t maxDigits = 6;

} // namespace

bool signaturesInRange(int sheets) {
    return sheets >= 0 && sheets <= signatureMaxSheets;
}

bool isStreamDocument(std::string_view document) {
    return document == standardInput || document.starts_with("/dev/") ||
           document.starts_with("/proc/");
}

std::vector<JobFault> jobFaults(const BookletJob& job) {
    std::vector<JobFault> faults;
    for (int fault = 0; fault <= static_cast<int>(lastFault); ++fault)
        if (breaks(static_cast<JobFault>(fault), job))
            faults.push_back(static_cast<JobFault>(fault));
    return faults;
}

int readSheetsPerSignature(std::string_view text) {
    text = trimmed(text);
    if (text.empty())
        return 0;
    const std::optional<int> sheets = readDigits(text, maxDigits);
    return sheets && *sheets > 0 ? *sheets : unreadableNumber;
}

int readCreep(std::string_view text) {
    return readMillimetres(text);
}

int readMargin(std::string_view text) {
    return readMillimetres(text);
}

int readMillimetres(std::string_view text) {
    text = trimmed(text);
    if (text.empty())
        return 0;
    const std::size_t mark = text.find_first_of(".,");
    const std::string_view whole = text.substr(0, mark);
    const std::string_view fraction =
        mark == std::string_view::npos ? std::string_view() : text.substr(mark + 1);
    const std::optional<int> units = whole.empty() ? 0 : readDigits(whole, maxDigits);
    const std::optional<int> hundredths = fraction.empty() ? 0 : readDigits(fraction, 2);
    if (!units || !hundredths || (whole.empty() && fraction.empty()) ||
        (mark != std::string_view::npos && fraction.empty()))
        return unreadableNumber;
    return *units * 100 + *hundredths * (fraction.size() == 1 ? 10 : 1);
}

std::string creepText(int hundredths) {
    const std::string fraction = std::to_string(hundredths % 100);
    return std::to_string(hundredths / 100) + (fraction.size() == 1 ? ".0" : ".") + fraction;
}

std::optional<int> signaturesAdvice(Mode mode, int pageCount, int sheetsPerSignature) {
    const int sheets = (pageCount + pagesPerSheet(mode) - 1) / pagesPerSheet(mode);
    if (sheetsPerSignature != 0 || sheets <= thickStackSheets)
        return std::nullopt;
    const int signatures = (sheets + proposedSignatureMaxSheets - 1) / proposedSignatureMaxSheets;
    return (sheets + signatures - 1) / signatures;
}

std::optional<Edge> readEdge(std::string_view text) {
    if (text == shortEdgeText || text == longEdgeText)
        return text == shortEdgeText ? Edge::Short : Edge::Long;
    return std::nullopt;
}

int readCopies(std::string_view text) {
    return readDigits(text, maxDigits).value_or(unreadableNumber);
}

std::vector<std::string> outputPaths(const BookletJob& job) {
    if (!job.testSheet && !job.separate)
        return {job.output.empty() ? stem(job.document) + "-opuscolo.pdf" : job.output};
    const std::string base = !job.output.empty() ? stem(job.output)
                             : job.testSheet     ? std::string(testSheetStem)
                                                 : stem(job.document);
    return {base + "-fronte.pdf", base + "-retro.pdf"};
}

} // namespace plicora
