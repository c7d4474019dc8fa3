#include "engine_interface.h"

#include <charconv>

namespace plicora::engine {
namespace {

constexpr std::string_view modeOption = "--modo";
constexpr std::string_view outputOption = "--uscita";
constexpr std::string_view separateOption = "--separati";
constexpr std::string_view progressOption = "--avanzamento";
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

} // namespace

std::vector<std::string> arguments(const BookletJob& job) {
    std::vector<std::string> args{std::string(modeOption), job.mode == Mode::FourUp ? "4" : "8"};
    if (!job.output.empty())
        args.insert(args.end(), {std::string(outputOption), job.output});
    if (job.separate)
        args.emplace_back(separateOption);
    if (job.progress)
        args.emplace_back(progressOption);
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
        if (option && (arg == modeOption || arg == outputOption) && i + 1 == args.size())
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
        } else {
            refuse(arg);
        }
    }
    if (!modeGiven || !documentGiven)
        refuse(modeGiven ? "manca il documento" : "manca --modo");
    if (job.separate && job.output == standardOutput)
        refuse("--separati con l'uscita standard");
    return job;
}

std::vector<std::string> outputPaths(const BookletJob& job) {
    if (job.separate) {
        const std::string base = stem(job.output.empty() ? job.document : job.output);
        return {base + "-fronte.pdf", base + "-retro.pdf"};
    }
    return {job.output.empty() ? stem(job.document) + "-opuscolo.pdf" : job.output};
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

std::filesystem::path enginePath(const std::filesystem::path& programFolder) {
    std::filesystem::path beside = programFolder / programName;
    std::error_code error;
    if (std::filesystem::exists(beside, error))
        return beside;
    return (programFolder / PLICORA_ENGINE_FROM_BINDIR / programName).lexically_normal();
}

} // namespace plicora::engine
