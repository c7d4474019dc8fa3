#include "engine_protocol.h"

#include "console/encoded_line.h"
#include "core/number_text.h"

#include <algorithm>
#include <charconv>
#include <set>

namespace plicora::engine {
namespace {

constexpr std::string_view modeOption = userOption::mode;
constexpr std::string_view outputOption = userOption::output;
constexpr std::string_view separateOption = userOption::separate;
constexpr std::string_view progressOption = "--avanzamento";
constexpr std::string_view signaturesOption = userOption::signatures;
constexpr std::string_view creepOption = userOption::creep;
constexpr std::string_view reversedBacksOption = userOption::reversedBacks;
constexpr std::string_view turnedBacksOption = userOption::turnedBacks;
constexpr std::string_view testSheetOption = "--prova";
constexpr std::string_view bareMessagesOption = "--senza-prefisso";
constexpr std::string_view paperOption = userOption::paper;
constexpr std::string_view rightToLeftOption = userOption::rightToLeft;
constexpr std::string_view backCoverLastOption = userOption::backCoverLast;
constexpr std::string_view edgeOption = userOption::edge;
constexpr std::string_view printerOption = userOption::printer;
constexpr std::string_view copiesOption = userOption::copies;
constexpr std::string_view printerPaperOption = "--carta-stampante";
constexpr std::string_view marginOption = userOption::margin;
constexpr std::string_view printerPrefix = "stampante ";
constexpr std::string_view jobPrefix = "lavoro ";
constexpr std::string_view progressPrefix = "avanzamento ";
constexpr std::string_view writtenPrefix = "scritto ";

// The option a job breaking the rule `fault` is refused with.
std::string_view faultOption(JobFault fault) {
    switch (fault) {
    case JobFault::NoDocument:
        return "manca il documento";
    case JobFault::TestSheetWithDocument:
    case JobFault::TestSheetWithOptions:
        return testSheetOption;
    case JobFault::PaperNotAccepted:
        return paperOption;
    case JobFault::SignaturesOutOfRange:
        return signaturesOption;
    case JobFault::CreepOutOfRange:
    case JobFault::CreepEightUp:
        return creepOption;
    case JobFault::MarginOutOfRange:
        return marginOption;
    case JobFault::BacksWithoutSeparate:
        return reversedBacksOption;
    case JobFault::EdgeWithTwoFiles:
        return edgeOption;
    case JobFault::CopiesOutOfRange:
    case JobFault::CopiesWithoutPrinter:
        return copiesOption;
    case JobFault::PrinterWithTwoFiles:
    case JobFault::PrinterToStandardOutput:
        return printerOption;
    case JobFault::TwoFilesToStandardOutput:
    case JobFault::StandardInputWithoutOutput:
        return outputOption;
    }
    return {};
}

// The word a job line gives `state`.
std::string_view stateWord(JobState state) {
    switch (state) {
    case JobState::Queued:
        return "in-coda";
    case JobState::Held:
        return "trattenuto";
    case JobState::Printing:
        return "in-stampa";
    case JobState::Printed:
        return "stampato";
    }
    return {};
}

// A word that stands for nothing in a printer line.
constexpr std::string_view noneWord = "-";

std::string orNone(const std::string& word) {
    return word.empty() ? std::string(noneWord) : word;
}

// `text` as one word of a line: encoded as every line a window reads (encodedLine() leaves no
// blank and no comma to split words), and a lone "-" escaped too, so that it never reads as none.
std::string escapedWord(std::string_view text) {
    return text == noneWord ? "%2D" : encodedLine(text);
}

// The text escapedWord() made `word` from; nothing when it is not such a word.
std::optional<std::string> unescapedWord(std::string_view word) {
    return decodedLine(word);
}

constexpr JobState jobStates[] = {JobState::Queued, JobState::Held, JobState::Printing,
                                  JobState::Printed};

} // namespace

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
        args.insert(args.end(), {std::string(creepOption), creepText(job.creep)});
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
                     std::string(*job.edge == Edge::Short ? shortEdgeText : longEdgeText)});
    if (!job.printer.empty())
        args.insert(args.end(), {std::string(printerOption), job.printer});
    if (job.copies != 1)
        args.insert(args.end(), {std::string(copiesOption), std::to_string(job.copies)});
    if (job.printerPaper)
        args.emplace_back(printerPaperOption);
    if (job.margin != 0)
        args.insert(args.end(), {std::string(marginOption), creepText(job.margin)});
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
    std::set<std::string_view> given;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        const bool option = !optionsEnded && arg.starts_with("-");
        // Given twice, the later would silently win.
        if (option && !given.insert(arg).second)
            refuse(arg);
        const bool takesValue = arg == modeOption || arg == outputOption ||
                                arg == signaturesOption || arg == creepOption ||
                                arg == marginOption || arg == paperOption || arg == edgeOption ||
                                arg == printerOption || arg == copiesOption;
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
        } else if (arg == marginOption) {
            job.margin = readMargin(args[++i]);
        } else if (arg == printerPaperOption) {
            job.printerPaper = true;
        } else if (arg == copiesOption && readDecimal(args[i + 1])) {
            job.copies = *readDecimal(args[++i]);
        } else {
            refuse(arg);
        }
    }
    if (!modeGiven)
        refuse("manca --modo");
    if (documentGiven && job.document.empty())
        refuse("documento vuoto");
    if (const std::vector<JobFault> faults = jobFaults(job); !faults.empty())
        refuse(faultOption(faults.front()));
    return job;
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
    const auto done = readDecimal(line.substr(0, blank));
    const auto total = readDecimal(line.substr(blank + 1));
    if (!done || !total || *done < 0 || *done > *total)
        return std::nullopt;
    return Progress{*done, *total};
}

std::string writtenLine(std::string_view path) {
    return std::string(writtenPrefix) + encodedLine(path) + "\n";
}

std::optional<std::string> readWrittenLine(std::string_view line) {
    if (!line.starts_with(writtenPrefix))
        return std::nullopt;
    return decodedLine(line.substr(writtenPrefix.size()));
}

std::string printerLine(const Printer& printer) {
    const auto flag = [](bool set) { return set ? "1 " : "0 "; };
    std::string media;
    for (const std::string& name : printer.media)
        media += (media.empty() ? "" : ",") + escapedWord(name);
    std::string margins;
    for (const int margin : printer.margins)
        margins += (margins.empty() ? "" : ",") + std::to_string(margin);
    return std::string(printerPrefix) + flag(printer.isDefault) + flag(printer.shortEdge) +
           flag(printer.longEdge) + flag(printer.known) +
           orNone(escapedWord(printer.defaultMedia)) + " " + orNone(media) + " " + orNone(margins) +
           " " + escapedWord(printer.name) + "\n";
}

std::optional<Printer> readPrinterLine(std::string_view line) {
    if (!line.starts_with(printerPrefix))
        return std::nullopt;
    line.remove_prefix(printerPrefix.size());
    // Four flags, the default media, the media, their margins, then the name: eight words.
    std::vector<std::string_view> words;
    for (std::size_t start = 0; start <= line.size();) {
        const std::size_t end = std::min(line.find(' ', start), line.size());
        words.push_back(line.substr(start, end - start));
        start = end + 1;
    }
    if (words.size() != 8)
        return std::nullopt;
    bool flags[4] = {};
    for (std::size_t i = 0; i < 4; ++i) {
        if (words[i] != "0" && words[i] != "1")
            return std::nullopt;
        flags[i] = words[i] == "1";
    }
    Printer printer{.name = {},
                    .isDefault = flags[0],
                    .shortEdge = flags[1],
                    .longEdge = flags[2],
                    .known = flags[3]};
    const auto name = unescapedWord(words[7]);
    const auto defaultMedia = unescapedWord(words[4] == noneWord ? "" : words[4]);
    if (!name || name->empty() || !defaultMedia)
        return std::nullopt;
    printer.name = *name;
    printer.defaultMedia = *defaultMedia;
    for (std::size_t start = 0; words[5] != noneWord && start <= words[5].size();) {
        const std::size_t end = std::min(words[5].find(',', start), words[5].size());
        const auto media = unescapedWord(words[5].substr(start, end - start));
        if (!media || media->empty())
            return std::nullopt;
        printer.media.push_back(*media);
        start = end + 1;
    }
    for (std::size_t start = 0; words[6] != noneWord && start <= words[6].size();) {
        const std::size_t end = std::min(words[6].find(',', start), words[6].size());
        const std::string_view digits = words[6].substr(start, end - start);
        int margin = -1;
        const auto read = std::from_chars(digits.data(), digits.data() + digits.size(), margin);
        if (read.ec != std::errc() || read.ptr != digits.data() + digits.size() || margin < 0)
            return std::nullopt;
        printer.margins.push_back(margin);
        start = end + 1;
    }
    if (!printer.margins.empty() && printer.margins.size() != printer.media.size())
        return std::nullopt;
    return printer;
}

std::string jobLine(const JobStatus& status) {
    // The printer's name is one escaped word; the message loses its line ends.
    std::string message = status.message;
    std::replace_if(
        message.begin(), message.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
    return std::string(jobPrefix) + std::to_string(status.id) + " " +
           std::string(stateWord(status.state)) + " " + escapedWord(status.printer) +
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
    const auto id = readDecimal(line.substr(0, idEnd));
    const std::string_view word = line.substr(idEnd + 1, stateEnd - idEnd - 1);
    const std::string_view rest = line.substr(stateEnd + 1);
    const auto printerEnd = std::min(rest.find(' '), rest.size());
    const std::string_view message =
        printerEnd == rest.size() ? std::string_view() : rest.substr(printerEnd + 1);
    const auto printer = unescapedWord(rest.substr(0, printerEnd));
    for (const JobState state : jobStates)
        if (id && *id > 0 && printer && word == stateWord(state))
            return JobStatus{*id, state, *printer, std::string(message)};
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
