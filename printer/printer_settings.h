#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

// What a print dialog can't carry to the booklet printer, kept for each virtual printer in a
// text file of key=value lines that its user edits; read again for every job.
namespace plicora::printer {

// The file's keys, which a web form's fields are named after too.
inline constexpr std::string_view rightToLeftKey = "da-destra";
inline constexpr std::string_view backCoverLastKey = "quarta-di-copertina";
inline constexpr std::string_view signaturesKey = "fascicoli";
inline constexpr std::string_view creepKey = "scorrimento";
inline constexpr std::string_view previewKey = "anteprima";
// How a yes/no is written; "si" is read as yes too.
inline constexpr std::string_view yesText = "s\u00ec";
inline constexpr std::string_view noText = "no";

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

// The settings a web form sends, each field named after its key, `field` giving a field's value
// or null when the form lacks it: a yes/no is a checkbox sent as "s\u00ec" when checked, the
// preview "s\u00ec", "no" or empty. Throws UserError, naming `path`, for any other yes/no and for a
// line break in any value.
PrinterSettings readSettingsForm(const std::function<const char*(std::string_view)>& field,
                                 std::string_view path);

// Writes the defaults, with a line on each key, when `path` holds no file yet; throws UserError
// when it can't.
void writeDefaultSettings(const std::filesystem::path& path);

// Why the job rules refuse `settings`, in the words of a settings file at `path`; nothing when
// every job takes them.
std::optional<std::string> settingsRefusal(const PrinterSettings& settings, std::string_view path);

// `current`, a settings text readSettingsText reads, with each key's value that of `settings`:
// every other line kept as it is, a key it lacks added at its end.
std::string settingsText(std::string_view current, const PrinterSettings& settings);

// Saves `settings` in the file at `path`, keeping its comments when it reads as settings, else
// in the default layout. The file is replaced whole, so that it is never found half written;
// throws UserError when it can't be.
void saveSettings(const std::filesystem::path& path, const PrinterSettings& settings);

} // namespace plicora::printer
