#include "printer_settings.h"

#include "core/user_error.h"
#include "printer_messages.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

namespace plicora::printer {
namespace {

constexpr std::string_view rightToLeftKey = "da-destra";
constexpr std::string_view backCoverLastKey = "quarta-di-copertina";
constexpr std::string_view signaturesKey = "fascicoli";
constexpr std::string_view creepKey = "scorrimento";
constexpr std::string_view previewKey = "anteprima";

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
    if (value == "s\u00ec" || value == "si")
        return true;
    if (value == "no")
        return false;
    throw UserError(settingsValueMessage(path, key, value));
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

PrinterSettings readSettings(const std::filesystem::path& path) {
    std::ifstream file(path);
    if (!file) {
        if (errno == ENOENT)
            return {};
        throw UserError(settingsFailedMessage(path.string(), std::strerror(errno)));
    }
    std::ostringstream text;
    text << file.rdbuf();
    return readSettingsText(text.str(), path.string());
}

void writeDefaultSettings(const std::filesystem::path& path) {
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
    if (std::filesystem::exists(path, error))
        return;
    std::ofstream file(path);
    file << defaultText;
    file.close();
    if (!file)
        throw UserError(settingsFailedMessage(path.string(), std::strerror(errno)));
}

} // namespace plicora::printer
