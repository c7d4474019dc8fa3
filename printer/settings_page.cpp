#include "settings_page.h"

#include "core/user_error.h"
#include "printer_context.h"
#include "printer_messages.h"
#include "printer_settings.h"

#include <pappl/pappl.h>

#include <mutex>
#include <string>

namespace plicora::printer {
namespace {

constexpr const char* settingsSubpath = "opuscolo";
// The label PAPPL gives its link to the page that adds printers.
constexpr const char* addPrinterLabel = "Add Printer";

// One save at a time: each reads the file it replaces.
std::mutex savingMutex;

// Saves the settings a POST sends to `file`, unless the job rules refuse them; what the page says.
std::string saveForm(pappl_client_t* client, const std::filesystem::path& file) {
    cups_option_t* form = nullptr;
    const int count = papplClientGetForm(client, &form);
    std::string message;
    try {
        if (count == 0 || !papplClientIsValidForm(client, count, form))
            throw UserError(staleFormMessage);
        const PrinterSettings settings = readSettingsForm(
            [&](std::string_view key) {
                return cupsGetOption(std::string(key).c_str(), count, form);
            },
            file.string());
        if (std::optional<std::string> refusal = settingsRefusal(settings, file.string()))
            throw UserError(*refusal);
        const std::lock_guard lock(savingMutex);
        saveSettings(file, settings);
        message = settingsSavedMessage;
    } catch (const UserError& error) {
        message = error.what();
    }
    cupsFreeOptions(count, form);
    return message;
}

void checkboxRow(pappl_client_t* client, std::string_view key, const char* label, bool checked) {
    papplClientHTMLPrintf(client,
                          "<tr><th></th><td><label><input type=\"checkbox\" name=\"%s\" "
                          "value=\"%s\"%s> %s</label></td></tr>\n",
                          key.data(), yesText.data(), checked ? " checked" : "", label);
}

void textRow(pappl_client_t* client, std::string_view key, const char* label,
             const std::string& value) {
    papplClientHTMLPrintf(client,
                          "<tr><th><label for=\"%s\">%s:</label></th><td><input type=\"text\" "
                          "name=\"%s\" id=\"%s\" value=\"%s\"></td></tr>\n",
                          key.data(), label, key.data(), key.data(), value.c_str());
}

void previewRow(pappl_client_t* client, const std::optional<bool>& preview) {
    papplClientHTMLPrintf(client,
                          "<tr><th><label for=\"%s\">%s:</label></th><td><select name=\"%s\" "
                          "id=\"%s\">",
                          previewKey.data(), previewLabel, previewKey.data(), previewKey.data());
    const struct {
        std::optional<bool> value;
        std::string_view text;
        const char* label;
    } choices[] = {{std::nullopt, "", previewSessionChoice},
                   {true, yesText, previewYesChoice},
                   {false, noText, previewNoChoice}};
    for (const auto& choice : choices)
        papplClientHTMLPrintf(client, "<option value=\"%s\"%s>%s</option>", choice.text.data(),
                              choice.value == preview ? " selected" : "", choice.label);
    papplClientHTMLPuts(client, "</select></td></tr>\n");
}

bool showSettings(pappl_client_t* client, void* data) {
    auto* printer = static_cast<pappl_printer_t*>(data);
    const std::filesystem::path& file = printerContext(printer).settingsFile;
    if (!papplClientHTMLAuthorize(client))
        return true;
    std::string message;
    if (papplClientGetMethod(client) == HTTP_STATE_POST)
        message = saveForm(client, file);
    PrinterSettings settings;
    try {
        settings = readSettings(file);
    } catch (const UserError& error) {
        // The form shows the defaults; saving it writes a file that reads.
        message += (message.empty() ? "" : ". ") + std::string(error.what());
    }
    papplClientHTMLPrinterHeader(client, printer, settingsPageTitle, 0, nullptr, nullptr);
    if (!message.empty())
        papplClientHTMLPrintf(client, "<div class=\"banner\">%s</div>\n", message.c_str());
    char path[1024];
    papplPrinterGetPath(printer, settingsSubpath, path, sizeof path);
    papplClientHTMLPuts(client, "<div class=\"row\"><div class=\"col-12\">\n");
    papplClientHTMLStartForm(client, path, false);
    papplClientHTMLPuts(client, "<table class=\"form\"><tbody>\n");
    checkboxRow(client, rightToLeftKey, rightToLeftLabel, settings.rightToLeft);
    checkboxRow(client, backCoverLastKey, backCoverLastLabel, settings.backCoverLast);
    textRow(client, signaturesKey, signaturesLabel, settings.signatures);
    textRow(client, creepKey, creepLabel, settings.creep);
    previewRow(client, settings.preview);
    papplClientHTMLPrintf(client,
                          "<tr><th></th><td><input type=\"submit\" value=\"%s\"></td></tr>\n"
                          "</tbody></table></form>\n</div></div>\n",
                          saveButton);
    papplClientHTMLPrinterFooter(client);
    return true;
}

bool refuseAdministration(pappl_client_t* client, void*) {
    if (!papplClientRespond(client, HTTP_STATUS_FORBIDDEN, nullptr, "text/html", 0, 0))
        return false;
    papplClientHTMLHeader(client, settingsPageTitle, 0);
    papplClientHTMLPrintf(client, "<div class=\"content\"><div class=\"banner\">%s</div></div>\n",
                          printersFollowCupsMessage);
    papplClientHTMLFooter(client);
    return true;
}

} // namespace

void keepPrintersFollowingCups(pappl_system_t* system) {
    // A path's first resource is the one served: PAPPL's own, added when it runs, stays unused.
    papplSystemAddResourceCallback(system, "/addprinter", "text/html", refuseAdministration,
                                   nullptr);
}

void addSettingsPage(pappl_printer_t* printer) {
    pappl_system_t* system = papplPrinterGetSystem(printer);
    char path[1024];
    papplPrinterGetPath(printer, "delete", path, sizeof path);
    papplSystemRemoveResource(system, path);
    papplSystemAddResourceCallback(system, path, "text/html", refuseAdministration, printer);
    papplPrinterGetPath(printer, settingsSubpath, path, sizeof path);
    papplSystemAddResourceCallback(system, path, "text/html", showSettings, printer);
    papplPrinterAddLink(printer, settingsPageTitle, path,
                        PAPPL_LOPTIONS_NAVIGATION | PAPPL_LOPTIONS_STATUS);
    // PAPPL links its page that adds printers once it runs, which it does before CUPS names the
    // first printer to make: from then on the link goes.
    papplSystemRemoveLink(system, addPrinterLabel);
}

} // namespace plicora::printer
