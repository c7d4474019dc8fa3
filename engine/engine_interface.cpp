#include "engine_interface.h"

#include "core/sheet_sides.h"

#include <algorithm>
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

// Hundredths of a millimetre as readMillimetres reads them back.
std::string millimetresText(int hundredths) {
    const std::string fraction = std::to_string(hundredths % 100);
    return std::to_string(hundredths / 100) + (fraction.size() == 1 ? ".0" : ".") + fraction;
}

// Why `job` can't be made, or nothing when it can.
std::optional<std::string_view> inconsistency(const BookletJob& job) {
    if (job.testSheet && (!job.document.empty() || job.separate || job.sheetsPerSignature != 0 ||
                          job.creep != 0 || job.reversedBacks || job.turnedBacks))
        return testSheetOption;
    if (job.sheetsPerSignature < 0 || job.sheetsPerSignature > signatureMaxSheets)
        return signaturesOption;
    if (job.creep < 0 || job.creep > creepMaxMillimetres * 100 ||
        (job.creep > 0 && job.mode != Mode::FourUp))
        return creepOption;
    // Backs fed by hand: the backs' own file, or a printer without duplex.
    if ((job.reversedBacks || job.turnedBacks) && !job.separate && job.printer.empty())
        return job.reversedBacks ? reversedBacksOption : turnedBacksOption;
    if (job.edge && (job.separate || job.testSheet))
        return edgeOption; // the edge is a matter of one file printed on both sides
    if (job.copies < 1 || job.copies > copiesMax || (job.copies != 1 && job.printer.empty()))
        return copiesOption;
    // Standard output carries the printer's line; the two files are how a printer is fed by hand.
    if (!job.printer.empty() && (job.separate || job.output == standardOutput))
        return printerOption;
    if ((job.separate || job.testSheet) && job.output == standardOutput)
        return outputOption; // two files can't both be standard output
    if (!job.testSheet && job.document == standardInput && job.output.empty() &&
        job.printer.empty())
        return outputOption;
    return std::nullopt;
}

} // namespace

std::optional<int> readMillimetres(std::string_view text) {
    const std::size_t mark = text.find_first_of(".,");
    const std::string_view whole = text.substr(0, mark);
    const std::string_view fraction =
        mark == std::string_view::npos ? std::string_view() : text.substr(mark + 1);
    if ((whole.empty() && fraction.empty()) || fraction.size() > 2 ||
        (mark != std::string_view::npos && fraction.empty()))
        return std::nullopt;
    int hundredths = 0;
    for (const char digit : whole) {
        if (digit < '0' || digit > '9' || hundredths > creepMaxMillimetres * 100)
            return std::nullopt;
        hundredths = hundredths * 10 + (digit - '0') * 100;
    }
    int scale = 10;
    for (const char digit : fraction) {
        if (digit < '0' || digit > '9')
            return std::nullopt;
        hundredths += (digit - '0') * scale;
        scale /= 10;
    }
    if (hundredths > creepMaxMillimetres * 100)
        return std::nullopt;
    return hundredths;
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
        throw UsageError("argomenti non validi: " + std::string(what));
    };
    BookletJob job;
    bool modeGiven = false, documentGiven = false, optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        const bool option = !optionsEnded && arg.starts_with("-");
        const bool takesValue = arg == modeOption || arg == outputOption ||
                                arg == signaturesOption || arg == creepOption ||
                                arg == edgeOption || arg == printerOption || arg == copiesOption;
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
        } else if (arg == signaturesOption && readInt(args[i + 1]).value_or(0) > 0) {
            job.sheetsPerSignature = *readInt(args[++i]);
        } else if (arg == creepOption && readMillimetres(args[i + 1])) {
            job.creep = *readMillimetres(args[++i]);
        } else if (arg == reversedBacksOption) {
            job.reversedBacks = true;
        } else if (arg == turnedBacksOption) {
            job.turnedBacks = true;
        } else if (arg == testSheetOption) {
            job.testSheet = true;
        } else if (arg == edgeOption &&
                   (args[i + 1] == shortEdgeValue || args[i + 1] == longEdgeValue)) {
            job.edge = args[++i] == shortEdgeValue ? Edge::Short : Edge::Long;
        } else if (arg == printerOption && !args[i + 1].empty()) {
            job.printer = args[++i];
        } else if (arg == copiesOption && readInt(args[i + 1])) {
            job.copies = *readInt(args[++i]);
        } else {
            refuse(arg);
        }
    }
    if (!modeGiven || documentGiven == job.testSheet)
        refuse(!modeGiven      ? "manca --modo"
               : job.testSheet ? "la prova non vuole un documento"
                               : "manca il documento");
    if (const auto option = inconsistency(job))
        refuse(*option);
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

std::filesystem::path enginePath(const std::filesystem::path& programFolder) {
    std::filesystem::path beside = programFolder / programName;
    std::error_code error;
    if (std::filesystem::exists(beside, error))
        return beside;
    return (programFolder / PLICORA_ENGINE_FROM_BINDIR / programName).lexically_normal();
}

} // namespace plicora::engine
