#include "engine_interface.h"

#include "core/sheet_sides.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace plicora::engine {
namespace {

constexpr std::string_view modeOption = "--modo";
constexpr std::string_view outputOption = "--uscita";
constexpr std::string_view separateOption = "--separati";
constexpr std::string_view progressOption = "--avanzamento";
constexpr std::string_view signaturesOption = "--fascicoli";
constexpr std::string_view creepOption = "--scorrimento";
constexpr std::string_view reversedBacksOption = "--retro-inverso";
constexpr std::string_view turnedBacksOption = "--retro-capovolti";
constexpr std::string_view testSheetOption = "--prova";
constexpr std::string_view bareMessagesOption = "--senza-prefisso";
constexpr std::string_view paperOption = "--carta";
constexpr std::string_view rightToLeftOption = "--da-destra";
constexpr std::string_view backCoverLastOption = "--quarta-di-copertina";
constexpr std::string_view edgeOption = "--bordo";
constexpr std::string_view printerOption = "--stampante";
constexpr std::string_view copiesOption = "--copie";
constexpr std::string_view shortEdgeValue = "corto";
constexpr std::string_view longEdgeValue = "lungo";
constexpr std::string_view testSheetStem = "prova";
constexpr std::string_view printerPrefix = "stampante ";
constexpr std::string_view jobPrefix = "lavoro ";
// The job states' words, in the order of JobState.
constexpr std::string_view jobStateWords[] = {"in-coda", "in-stampa", "stampato"};
constexpr std::string_view progressPrefix = "avanzamento ";

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

// Reads a whole decimal number; nothing when `text` is anything else.
std::optional<int> readInt(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

bool equalIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

// Whether a custom paper's side, in hundredths of a millimetre, is whole millimetres in range.
bool customSideFits(int hundredths) {
    return hundredths % 100 == 0 && hundredths >= paperMinMillimetres * 100 &&
           hundredths <= paperMaxMillimetres * 100;
}

// Hundredths of a millimetre as readCreep reads them back.
std::string millimetresText(int hundredths) {
    const std::string fraction = std::to_string(hundredths % 100);
    return std::to_string(hundredths / 100) + (fraction.size() == 1 ? ".0" : ".") + fraction;
}

// One rule of a job, and the engine option it is about, named when the engine refuses it.
struct JobRule {
    JobFault fault;
    std::string_view option;
    bool (*breaks)(const BookletJob&);
};

bool hasBookletOptions(const BookletJob& job) {
    return job.separate || job.sheetsPerSignature != 0 || job.creep != 0 || job.reversedBacks ||
           job.turnedBacks || job.binding != Binding{};
}

// In JobFault's order.
constexpr JobRule rules[] = {
    {JobFault::NoDocument, "manca il documento",
     [](const BookletJob& job) { return !job.testSheet && job.document.empty(); }},
    {JobFault::TestSheetWithDocument, testSheetOption,
     [](const BookletJob& job) { return job.testSheet && !job.document.empty(); }},
    {JobFault::TestSheetWithOptions, testSheetOption,
     [](const BookletJob& job) { return job.testSheet && hasBookletOptions(job); }},
    {JobFault::PaperNotAccepted, paperOption,
     [](const BookletJob& job) { return !acceptedPaper(job.paper); }},
    {JobFault::SignaturesOutOfRange, signaturesOption,
     [](const BookletJob& job) { return !signaturesInRange(job.sheetsPerSignature); }},
    {JobFault::CreepOutOfRange, creepOption,
     [](const BookletJob& job) { return job.creep < 0 || job.creep > creepMaxMillimetres * 100; }},
    {JobFault::CreepEightUp, creepOption,
     [](const BookletJob& job) { return job.creep != 0 && job.mode != Mode::FourUp; }},
    // Backs fed by hand: the backs' own file, or a printer without duplex.
    {JobFault::BacksWithoutSeparate, reversedBacksOption,
     [](const BookletJob& job) {
         return (job.reversedBacks || job.turnedBacks) && !job.separate && job.printer.empty();
     }},
    // The edge is a matter of one file printed on both sides.
    {JobFault::EdgeWithTwoFiles, edgeOption,
     [](const BookletJob& job) { return job.edge && (job.separate || job.testSheet); }},
    {JobFault::CopiesOutOfRange, copiesOption,
     [](const BookletJob& job) { return job.copies < 1 || job.copies > copiesMax; }},
    {JobFault::CopiesWithoutPrinter, copiesOption,
     [](const BookletJob& job) { return job.copies != 1 && job.printer.empty(); }},
    // The two files are how a printer is fed by hand, and standard output carries its line.
    {JobFault::PrinterWithTwoFiles, printerOption,
     [](const BookletJob& job) { return !job.printer.empty() && job.separate; }},
    {JobFault::PrinterToStandardOutput, printerOption,
     [](const BookletJob& job) { return !job.printer.empty() && job.output == standardOutput; }},
    {JobFault::TwoFilesToStandardOutput, outputOption,
     [](const BookletJob& job) {
         return (job.separate || job.testSheet) && job.output == standardOutput;
     }},
    {JobFault::StandardInputWithoutOutput, outputOption,
     [](const BookletJob& job) {
         return !job.testSheet && job.document == standardInput && job.output.empty() &&
                job.printer.empty();
     }},
};

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

std::vector<JobFault> jobFaults(const BookletJob& job) {
    std::vector<JobFault> faults;
    for (const JobRule& rule : rules)
        if (rule.breaks(job))
            faults.push_back(rule.fault);
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

std::optional<int> signaturesAdvice(Mode mode, int pageCount, int sheetsPerSignature) {
    const int sheets = (pageCount + pagesPerSheet(mode) - 1) / pagesPerSheet(mode);
    if (sheetsPerSignature != 0 || sheets <= thickStackSheets)
        return std::nullopt;
    const int signatures = (sheets + proposedSignatureMaxSheets - 1) / proposedSignatureMaxSheets;
    return (sheets + signatures - 1) / signatures;
}

std::optional<Edge> readEdge(std::string_view text) {
    if (text == shortEdgeValue || text == longEdgeValue)
        return text == shortEdgeValue ? Edge::Short : Edge::Long;
    return std::nullopt;
}

int readCopies(std::string_view text) {
    return readDigits(text, maxDigits).value_or(unreadableNumber);
}

std::optional<Paper> readPaper(std::string_view text) {
    for (const NamedPaper& named : namedPapers)
        if (equalIgnoringCase(text, named.name))
            return named.paper;
    const std::size_t cross = text.find_first_of("xX");
    if (cross == std::string_view::npos)
        return std::nullopt;
    const auto width = readInt(text.substr(0, cross)), height = readInt(text.substr(cross + 1));
    // Checked in millimetres first, so that no size overflows in hundredths.
    if (!width || !height || *width > paperMaxMillimetres || *height > paperMaxMillimetres)
        return std::nullopt;
    const Paper paper{*width * 100, *height * 100};
    if (!acceptedPaper(paper))
        return std::nullopt;
    return paper;
}

std::string paperText(const Paper& paper) {
    if (const auto named = namedPaper(paper))
        return std::string(named->name);
    return std::to_string(paper.width / 100) + "x" + std::to_string(paper.height / 100);
}

bool acceptedPaper(const Paper& paper) {
    return namedPaper(paper) || (customSideFits(paper.width) && customSideFits(paper.height));
}

std::vector<std::string> arguments(const BookletJob& job) {
    std::vector<std::string> args{std::string(modeOption), job.mode == Mode::FourUp ? "4" : "8"};
    if (!job.output.empty())
        args.insert(args.end(), {std::string(outputOption), job.output});
    if (job.separate)
        args.emplace_back(separateOption);
    if (job.progress)
        args.emplace_back(progressOption);
    if (job.sheetsPerSignature != 0)
        args.insert(args.end(),
                    {std::string(signaturesOption), std::to_string(job.sheetsPerSignature)});
    if (job.creep != 0)
        args.insert(args.end(), {std::string(creepOption), millimetresText(job.creep)});
    if (job.reversedBacks)
        args.emplace_back(reversedBacksOption);
    if (job.turnedBacks)
        args.emplace_back(turnedBacksOption);
    if (job.bareMessages)
        args.emplace_back(bareMessagesOption);
    if (job.paper != Paper{})
        args.insert(args.end(), {std::string(paperOption), paperText(job.paper)});
    if (job.binding.rightToLeft)
        args.emplace_back(rightToLeftOption);
    if (job.binding.backCoverLast)
        args.emplace_back(backCoverLastOption);
    if (job.edge)
        args.insert(args.end(),
                    {std::string(edgeOption),
                     std::string(*job.edge == Edge::Short ? shortEdgeValue : longEdgeValue)});
    if (!job.printer.empty())
        args.insert(args.end(), {std::string(printerOption), job.printer});
    if (job.copies != 1)
        args.insert(args.end(), {std::string(copiesOption), std::to_string(job.copies)});
    if (job.testSheet) {
        args.emplace_back(testSheetOption);
        return args;
    }
    // A document whose name starts with "-" is still the document.
    args.insert(args.end(), {"--", job.document});
    return args;
}

BookletJob readArguments(std::span<const std::string_view> args) {
    // Only programs call the engine, with arguments() made for them: anything else is refused
    // plainly rather than explained.
    const auto refuse = [](std::string_view what) {
        throw UsageError("argomenti non validi: " + echoed(what));
    };
    BookletJob job;
    bool modeGiven = false, documentGiven = false, optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        const bool option = !optionsEnded && arg.starts_with("-");
        const bool takesValue = arg == modeOption || arg == outputOption ||
                                arg == signaturesOption || arg == creepOption ||
                                arg == paperOption || arg == edgeOption || arg == printerOption ||
                                arg == copiesOption;
        if (option && takesValue && i + 1 == args.size())
            refuse(arg);
        if (!option && documentGiven)
            refuse(arg);
        if (!option) {
            job.document = arg;
            documentGiven = true;
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == modeOption && (args[i + 1] == "4" || args[i + 1] == "8")) {
            job.mode = args[++i] == "4" ? Mode::FourUp : Mode::EightUp;
            modeGiven = true;
        } else if (arg == outputOption && !args[i + 1].empty()) {
            job.output = args[++i];
        } else if (arg == separateOption) {
            job.separate = true;
        } else if (arg == progressOption) {
            job.progress = true;
        } else if (arg == signaturesOption) {
            job.sheetsPerSignature = readSheetsPerSignature(args[++i]);
        } else if (arg == creepOption) {
            job.creep = readCreep(args[++i]);
        } else if (arg == reversedBacksOption) {
            job.reversedBacks = true;
        } else if (arg == turnedBacksOption) {
            job.turnedBacks = true;
        } else if (arg == testSheetOption) {
            job.testSheet = true;
        } else if (arg == bareMessagesOption) {
            job.bareMessages = true;
        } else if (arg == paperOption && readPaper(args[i + 1])) {
            job.paper = *readPaper(args[++i]);
        } else if (arg == rightToLeftOption) {
            job.binding.rightToLeft = true;
        } else if (arg == backCoverLastOption) {
            job.binding.backCoverLast = true;
        } else if (arg == edgeOption && readEdge(args[i + 1])) {
            job.edge = readEdge(args[++i]);
        } else if (arg == printerOption && !args[i + 1].empty()) {
            job.printer = args[++i];
        } else if (arg == copiesOption && readInt(args[i + 1])) {
            job.copies = *readInt(args[++i]);
        } else {
            refuse(arg);
        }
    }
    if (!modeGiven)
        refuse("manca --modo");
    if (documentGiven && job.document.empty())
        refuse("documento vuoto");
    for (const JobRule& rule : rules)
        if (rule.breaks(job))
            refuse(rule.option);
    return job;
}

std::vector<std::string> outputPaths(const BookletJob& job) {
    if (!job.testSheet && !job.separate)
        return {job.output.empty() ? stem(job.document) + "-opuscolo.pdf" : job.output};
    const std::string base = !job.output.empty() ? stem(job.output)
                             : job.testSheet     ? std::string(testSheetStem)
                                                 : stem(job.document);
    return {base + "-fronte.pdf", base + "-retro.pdf"};
}

std::string progressLine(Progress progress) {
    return std::string(progressPrefix) + std::to_string(progress.done) + " " +
           std::to_string(progress.total) + "\n";
}

std::optional<Progress> readProgressLine(std::string_view line) {
    if (!line.starts_with(progressPrefix))
        return std::nullopt;
    line.remove_prefix(progressPrefix.size());
    const auto blank = line.find(' ');
    if (blank == std::string_view::npos)
        return std::nullopt;
    const auto done = readInt(line.substr(0, blank));
    const auto total = readInt(line.substr(blank + 1));
    if (!done || !total || *done < 0 || *done > *total)
        return std::nullopt;
    return Progress{*done, *total};
}

std::string printerLine(const Printer& printer) {
    const auto flag = [](bool set) { return set ? "1 " : "0 "; };
    return std::string(printerPrefix) + flag(printer.isDefault) + flag(printer.shortEdge) +
           flag(printer.longEdge) + printer.name + "\n";
}

std::optional<Printer> readPrinterLine(std::string_view line) {
    // Three flags, each "0 " or "1 ", then the name.
    constexpr std::size_t flagsSize = 6;
    if (!line.starts_with(printerPrefix))
        return std::nullopt;
    line.remove_prefix(printerPrefix.size());
    if (line.size() <= flagsSize)
        return std::nullopt;
    bool flags[3] = {};
    for (std::size_t i = 0; i < 3; ++i) {
        if ((line[2 * i] != '0' && line[2 * i] != '1') || line[2 * i + 1] != ' ')
            return std::nullopt;
        flags[i] = line[2 * i] == '1';
    }
    return Printer{std::string(line.substr(flagsSize)), flags[0], flags[1], flags[2]};
}

std::optional<PrintWay> printWay(const BookletJob& job, const Printer& printer) {
    if (job.testSheet || (!printer.shortEdge && !printer.longEdge))
        return PrintWay::ByHand;
    const bool shortEdge = job.edge ? *job.edge == Edge::Short : printer.shortEdge;
    if (shortEdge ? !printer.shortEdge : !printer.longEdge)
        return std::nullopt;
    return shortEdge ? PrintWay::ShortEdge : PrintWay::LongEdge;
}

std::string jobLine(const JobStatus& status) {
    // A printer's name has no blanks or line ends; the message loses its line ends.
    std::string message = status.message;
    std::replace_if(
        message.begin(), message.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
    return std::string(jobPrefix) + std::to_string(status.id) + " " +
           std::string(jobStateWords[static_cast<int>(status.state)]) + " " + status.printer +
           (message.empty() ? "" : " " + message) + "\n";
}

std::optional<JobStatus> readJobLine(std::string_view line) {
    if (!line.starts_with(jobPrefix))
        return std::nullopt;
    line.remove_prefix(jobPrefix.size());
    const auto idEnd = line.find(' ');
    const auto stateEnd = line.find(' ', idEnd == std::string_view::npos ? idEnd : idEnd + 1);
    if (stateEnd == std::string_view::npos || stateEnd + 1 == line.size())
        return std::nullopt;
    const auto id = readInt(line.substr(0, idEnd));
    const std::string_view word = line.substr(idEnd + 1, stateEnd - idEnd - 1);
    const std::string_view rest = line.substr(stateEnd + 1);
    const auto printerEnd = std::min(rest.find(' '), rest.size());
    const std::string_view message =
        printerEnd == rest.size() ? std::string_view() : rest.substr(printerEnd + 1);
    for (std::size_t state = 0; state < std::size(jobStateWords); ++state)
        if (id && *id > 0 && word == jobStateWords[state])
            return JobStatus{*id, static_cast<JobState>(state),
                             std::string(rest.substr(0, printerEnd)), std::string(message)};
    return std::nullopt;
}

std::filesystem::path enginePath() {
    std::error_code error;
    const std::filesystem::path programFolder =
        std::filesystem::read_symlink("/proc/self/exe", error).parent_path();
    std::filesystem::path beside = programFolder / programName;
    if (std::filesystem::exists(beside, error))
        return beside;
    return (programFolder / PLICORA_ENGINE_FROM_BINDIR / programName).lexically_normal();
}

} // namespace plicora::engine
