#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// What a print dialog can't carry to the booklet printer, kept for each virtual printer in a
// text file of key=value lines that its user edits; read again for every job.
namespace plicora::printer {

struct PrinterSettings {
    bool rightToLeft = false;   // da-destra
    bool backCoverLast = false; // quarta-di-copertina
    std::string signatures;     // fascicoli: sheets per signature as written; empty: one booklet
    std::string creep;          // scorrimento: millimetres as written; empty: none
    std::optional<bool> preview = {}; // anteprima: empty, a preview when a desktop session is there
    friend bool operator==(const PrinterSettings&, const PrinterSettings&) = default;
};

// Where the settings of virtual printer `printer` live under the state folder `folder`.
std::filesystem::path settingsPath(const std::filesystem::path& folder, std::string_view printer);

// The settings `text` holds, `path` naming it in messages: one key=value a line, blanks around
// either ignored, empty lines and lines starting with "#" skipped, a key left out keeping its
// default. Throws UserError for a line that is no known key=value or a yes/no that is neither.
PrinterSettings readSettingsText(std::string_view text, std::string_view path);

// The settings in the file at `path`: the defaults when there is none. Throws UserError.
PrinterSettings readSettings(const std::filesystem::path& path);

// Writes the defaults, with a line on each key, when `path` holds no file yet; throws UserError
// when it can't.
void writeDefaultSettings(const std::filesystem::path& path);

} // namespace plicora::printer
