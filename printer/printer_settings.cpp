#include "printer_settings.h"

#include "core/booklet_job.h"
#include "core/user_error.h"
#include "printer_messages.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <set>
#include <sstream>

namespace plicora::printer {
namespace {

constexpr std::string_view defaultText =
    "# Opuscolo: le scelte che la finestra di stampa di un programma non sa passare.\n"
    "# Si applicano a ogni lavoro successivo; riga per riga chiave=valore.\n"
    "# L'opuscolo si apre da destra (arabo, ebraico, persiano): s\u00ec o no\n"
    "da-destra=no\n"
    "# L'ultima pagina resta l'ultima, le pagine bianche vanno prima: s\u00ec o no\n"
    "quarta-di-copertina=no\n"
    "# Fogli per fascicolo (vuoto: un solo opuscolo)\n"
    "fascicoli=\n"
    "# Scorrimento in millimetri, da 0 a 5 (vuoto: nessuno)\n"
    "scorrimento=\n"
    "# Mostra l'anteprima prima di stampare: s\u00ec o no (vuoto: s\u00ec quando c'\u00e8 una "
    "sessione "
    "grafica)\n"
    "anteprima=\n";

std::string_view trimmed(std::string_view text) {
    constexpr std::string_view blanks = " \t\r";
    const auto first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

bool readYesNo(std::string_view value, std::string_view key, std::string_view path) {
    if (value == yesText || value == "si")
        return true;
    if (value == noText)
        return false;
    throw UserError(settingsValueMessage(path, key, value));
}

std::string yesNoText(bool value) {
    return std::string(value ? yesText : noText);
}

// Each key with the text of its value in `settings`, in the default layout's order.
std::array<std::pair<std::string_view, std::string>, 5> keyValues(const PrinterSettings& settings) {
    return {{{rightToLeftKey, yesNoText(settings.rightToLeft)},
             {backCoverLastKey, yesNoText(settings.backCoverLast)},
             {signaturesKey, settings.signatures},
             {creepKey, settings.creep},
             {previewKey, settings.preview ? yesNoText(*settings.preview) : std::string()}}};
}

// The text of the file at `path`; nothing when there is none. Throws UserError.
std::optional<std::string> fileText(const std::filesystem::path& path) {
    std::ifstream file(path);
    if (!file) {
        if (errno == ENOENT)
            return std::nullopt;
        throw UserError(settingsFailedMessage(path.string(), std::strerror(errno)));
    }
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// Writes `text` to a new file beside `path` and renames it over `path`: a crash leaves the old
// file or the new one, never half of one. Throws UserError.
void replaceFile(const std::filesystem::path& path, std::string_view text) {
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
    std::string temporary = path.string() + ".XXXXXX";
    const int fd = mkstemp(temporary.data());
    if (fd < 0)
        throw UserError(settingsSaveFailedMessage(path.string(), std::strerror(errno)));
    bool written = true;
    for (std::string_view rest = text; written && !rest.empty();) {
        const ssize_t count = write(fd, rest.data(), rest.size());
        written = count > 0;
        if (written)
            rest.remove_prefix(static_cast<std::size_t>(count));
    }
    written = written && fsync(fd) == 0;
    const int writeError = errno;
    written = close(fd) == 0 && written;
    if (!written || std::rename(temporary.c_str(), path.c_str()) != 0) {
        const int failure = written ? errno : writeError;
        unlink(temporary.c_str());
        throw UserError(settingsSaveFailedMessage(path.string(), std::strerror(failure)));
    }
}

} // namespace

std::filesystem::path settingsPath(const std::filesystem::path& folder, std::string_view printer) {
    return folder / "impostazioni" / (std::string(printer) + ".conf");
}

PrinterSettings readSettingsText(std::string_view text, std::string_view path) {
    PrinterSettings settings;
    int number = 0;
    while (!text.empty()) {
        const auto end = text.find('\n');
        const std::string_view line = trimmed(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        ++number;
        if (line.empty() || line.front() == '#')
            continue;
        const auto equals = line.find('=');
        const std::string_view key = trimmed(line.substr(0, equals));
        const std::string_view value = equals == std::string_view::npos
                                           ? std::string_view()
                                           : trimmed(line.substr(equals + 1));
        if (equals == std::string_view::npos)
            throw UserError(settingsLineMessage(path, number, line));
        if (key == rightToLeftKey)
            settings.rightToLeft = readYesNo(value, key, path);
        else if (key == backCoverLastKey)
            settings.backCoverLast = readYesNo(value, key, path);
        else if (key == signaturesKey)
            settings.signatures = value;
        else if (key == creepKey)
            settings.creep = value;
        else if (key == previewKey)
            settings.preview =
                value.empty() ? std::nullopt : std::optional(readYesNo(value, key, path));
        else
            throw UserError(settingsLineMessage(path, number, line));
    }
    return settings;
}

PrinterSettings readSettingsForm(const std::function<const char*(std::string_view)>& field,
                                 std::string_view path) {
    // What a form field holds, blanks around it ignored; a line break would end the line it is
    // written on, and start another the user never wrote.
    const auto value = [&](std::string_view key) {
        const char* text = field(key);
        const std::string_view value = trimmed(text ? text : "");
        if (value.find_first_of("\r\n") != std::string_view::npos)
            throw UserError(settingsValueMessage(path, key, value));
        return std::string(value);
    };
    const auto checkbox = [&](std::string_view key) {
        return field(key) && readYesNo(value(key), key, path);
    };
    PrinterSettings settings;
    settings.rightToLeft = checkbox(rightToLeftKey);
    settings.backCoverLast = checkbox(backCoverLastKey);
    settings.signatures = value(signaturesKey);
    settings.creep = value(creepKey);
    const std::string preview = value(previewKey);
    if (!preview.empty())
        settings.preview = readYesNo(preview, previewKey, path);
    return settings;
}

PrinterSettings readSettings(const std::filesystem::path& path) {
    const std::optional<std::string> text = fileText(path);
    return text ? readSettingsText(*text, path.string()) : PrinterSettings{};
}

void writeDefaultSettings(const std::filesystem::path& path) {
    std::error_code error;
    if (!std::filesystem::exists(path, error))
        replaceFile(path, defaultText);
}

std::optional<std::string> settingsRefusal(const PrinterSettings& settings, std::string_view path) {
    BookletJob job;
    job.sheetsPerSignature = readSheetsPerSignature(settings.signatures);
    job.creep = readCreep(settings.creep);
    const std::vector<JobFault> faults = jobFaults(job);
    const auto has = [&](JobFault fault) {
        return std::find(faults.begin(), faults.end(), fault) != faults.end();
    };
    if (has(JobFault::SignaturesOutOfRange))
        return settingsValueMessage(path, signaturesKey, settings.signatures);
    if (has(JobFault::CreepOutOfRange))
        return settingsValueMessage(path, creepKey, settings.creep);
    return std::nullopt;
}

std::string settingsText(std::string_view current, const PrinterSettings& settings) {
    const auto values = keyValues(settings);
    std::set<std::string_view> written;
    std::string text;
    while (!current.empty()) {
        const auto end = current.find('\n');
        const std::string_view line = current.substr(0, end);
        current = end == std::string_view::npos ? std::string_view() : current.substr(end + 1);
        const std::string_view key = trimmed(line.substr(0, line.find('=')));
        const auto value = std::find_if(values.begin(), values.end(),
                                        [&](const auto& pair) { return pair.first == key; });
        const bool setting = value != values.end();
        if (setting) {
            text += std::string(key) + "=" + value->second;
            written.insert(value->first);
        } else {
            text += line;
        }
        // A line keeps its own ending (CR LF stays CR LF).
        if (setting && line.ends_with('\r'))
            text += '\r';
        if (end != std::string_view::npos)
            text += '\n';
    }
    for (const auto& [key, value] : values) {
        if (written.contains(key))
            continue;
        if (!text.empty() && text.back() != '\n')
            text += '\n';
        text += std::string(key) + "=" + value + "\n";
    }
    return text;
}

void saveSettings(const std::filesystem::path& path, const PrinterSettings& settings) {
    std::string current(defaultText);
    try {
        if (std::optional<std::string> text = fileText(path)) {
            readSettingsText(*text, path.string());
            current = std::move(*text);
        }
    } catch (const UserError&) {
        // A file that doesn't read as settings gives way to the default layout.
    }
    replaceFile(path, settingsText(current, settings));
}

} // namespace plicora::printer
