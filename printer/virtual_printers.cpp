#include "virtual_printers.h"

#include "booklet_sizes.h"
#include "core/user_error.h"
#include "engine_job.h"
#include "printer_context.h"
#include "printer_messages.h"
#include "printer_settings.h"
#include "settings_page.h"
#include "titled_document.h"
#include "window_job.h"

#include <pappl/pappl.h>

#include <algorithm>
#include <cstring>

namespace plicora::printer {
namespace {

constexpr const char* driverName = "opuscolo";
constexpr const char* makeAndModel = "Plicora Opuscolo";
constexpr const char* deviceId = "MFG:Plicora;MDL:Opuscolo;CMD:PDF;";
// The engine prints; the device PAPPL opens for each job takes nothing.
constexpr const char* deviceUri = "file:///dev/null";
constexpr const char* mediaType = "stationery";

// The real printer a printer is being made for; PAPPL asks the driver while it makes it.
thread_local const PrinterContext* creating = nullptr;

pappl_media_col_t mediaCol(std::string_view page) {
    pappl_media_col_t media{};
    std::strncpy(media.size_name, page.data(), sizeof media.size_name - 1);
    if (const pwg_media_t* size = pwgMediaForPWG(media.size_name)) {
        media.size_width = size->width;
        media.size_length = size->length;
    }
    std::strncpy(media.source, "auto", sizeof media.source - 1);
    std::strncpy(media.type, mediaType, sizeof media.type - 1);
    return media;
}

// The reason is the job's own, shown where its state is; nothing of a job goes to the log.
bool refuse(pappl_job_t* job, const std::string& reason) {
    papplJobSetMessage(job, "%s", reason.c_str());
    papplJobSetReasons(job, PAPPL_JREASON_ABORTED_BY_SYSTEM, PAPPL_JREASON_NONE);
    return false;
}

bool printFile(pappl_job_t* job, pappl_pr_options_t* options, pappl_device_t*) {
    pappl_pr_driver_data_t data;
    papplPrinterGetDriverData(papplJobGetPrinter(job), &data);
    const auto& context = *static_cast<const PrinterContext*>(data.extension);
    const std::optional<NamedPaper> sheet = sheetFor(options->media.size_name);
    if (!sheet)
        return refuse(job, unknownPageSizeMessage(options->media.size_name));
    PrinterSettings settings;
    try {
        settings = readSettings(context.settingsFile);
    } catch (const UserError& error) {
        return refuse(job, error.what());
    }
    // Asked again for each job: a printer CUPS can't describe just now would have the engine
    // print the fronts alone. Printing by hand needs the window that guides the user.
    const bool session = desktopSession();
    const bool twoSided = describePrinter(context.real.name).twoSided;
    const bool inWindow = shownInWindow(twoSided, settings.preview, session);
    if (inWindow && !session)
        return refuse(job, twoSided ? noSessionMessage : oneSidedRefusedMessage(context.real.name));
    const char* title = papplJobGetName(job);
    const TitledDocument document(papplJobGetFilename(job), title ? title : "", papplJobGetID(job));
    const BookletPrint print{
        document.path().string(),      context.real.name,           sheet->paper, settings,
        context.settingsFile.string(), std::max(options->copies, 1)};
    const auto cancelled = [job] { return papplJobIsCanceled(job); };
    PrintOutcome outcome{PrintOutcome::End::Refused};
    if (inWindow) {
        papplJobSetMessage(job, "%s", inWindowMessage);
        outcome = printFromWindow(windowProgram(), print, cancelled);
    } else {
        outcome = printBooklet(print, cancelled, [job](const std::string& message) {
            papplJobSetMessage(job, "%s", message.c_str());
        });
    }
    switch (outcome.end) {
    case PrintOutcome::End::Printed:
        return true;
    case PrintOutcome::End::Refused:
        return refuse(job, outcome.message);
    case PrintOutcome::End::Closed:
        // Cancelled while it is processed, the job ends as cancelled, not as failed.
        papplJobSetMessage(job, "%s", outcome.message.c_str());
        papplJobSetReasons(job, PAPPL_JREASON_JOB_CANCELED_BY_USER, PAPPL_JREASON_NONE);
        papplJobCancel(job);
        return false;
    }
    return false;
}

// PAPPL takes a driver only with raster callbacks, though every job here is PDF: a raster job
// (which no queue made by lpadmin -m everywhere sends) is refused as such.
bool refuseRaster(pappl_job_t* job, pappl_pr_options_t*, pappl_device_t*) {
    return refuse(job, rasterRefusedMessage);
}

bool refuseRasterPage(pappl_job_t* job, pappl_pr_options_t*, pappl_device_t*, unsigned) {
    return refuse(job, rasterRefusedMessage);
}

bool refuseRasterLine(pappl_job_t*, pappl_pr_options_t*, pappl_device_t*, unsigned,
                      const unsigned char*) {
    return false;
}

void deletePrinter(pappl_printer_t*, pappl_pr_driver_data_t* data) {
    delete static_cast<PrinterContext*>(data->extension);
    data->extension = nullptr;
}

// The page sizes the papers of `real` make, the one in the tray its default's.
void setPapers(pappl_pr_driver_data_t* data, const RealPrinter& real) {
    const std::vector<std::string_view> pages = offeredPages(real.media);
    data->num_media = static_cast<int>(pages.size());
    for (std::size_t i = 0; i < pages.size(); ++i)
        data->media[i] = pages[i].data(); // bookletSizes' literals, ended by a null
    data->media_default = mediaCol(defaultPage(pages, real.defaultMedia));
    data->media_ready[0] = data->media_default;
}

bool describeDriver(pappl_system_t*, const char*, const char*, const char*,
                    pappl_pr_driver_data_t* data, ipp_t**, void*) {
    // Only this program makes printers, each for a real one.
    if (!creating)
        return false;
    data->extension = new PrinterContext(*creating);
    data->delete_cb = deletePrinter;
    data->printfile_cb = printFile;
    data->rstartjob_cb = refuseRaster;
    data->rendjob_cb = refuseRaster;
    data->rstartpage_cb = refuseRasterPage;
    data->rendpage_cb = refuseRasterPage;
    data->rwriteline_cb = refuseRasterLine;
    data->format = "application/pdf";
    std::strncpy(data->make_and_model, makeAndModel, sizeof data->make_and_model - 1);
    data->ppm = 10;
    data->ppm_color = 10;
    data->kind = PAPPL_KIND_DOCUMENT;
    data->orient_default = IPP_ORIENT_PORTRAIT;
    // The real printer prints in colour or not as it can; every mode is taken.
    data->color_supported = PAPPL_COLOR_MODE_AUTO | PAPPL_COLOR_MODE_AUTO_MONOCHROME |
                            PAPPL_COLOR_MODE_BI_LEVEL | PAPPL_COLOR_MODE_COLOR |
                            PAPPL_COLOR_MODE_MONOCHROME | PAPPL_COLOR_MODE_PROCESS_MONOCHROME;
    data->color_default = PAPPL_COLOR_MODE_AUTO;
    data->content_default = PAPPL_CONTENT_AUTO;
    data->quality_default = IPP_QUALITY_NORMAL;
    data->scaling_default = PAPPL_SCALING_AUTO;
    data->raster_types = PAPPL_PWG_RASTER_TYPE_BLACK_8 | PAPPL_PWG_RASTER_TYPE_SGRAY_8 |
                         PAPPL_PWG_RASTER_TYPE_SRGB_8;
    data->num_resolution = 1;
    data->x_resolution[0] = data->y_resolution[0] = data->x_default = data->y_default = 300;
    // The booklet's sides come from the real printer; the pages arrive one-sided.
    data->duplex = PAPPL_DUPLEX_NONE;
    data->sides_supported = PAPPL_SIDES_ONE_SIDED;
    data->sides_default = PAPPL_SIDES_ONE_SIDED;
    data->num_source = 1;
    data->source[0] = "auto";
    setPapers(data, creating->real);
    data->num_type = 1;
    data->type[0] = mediaType;
    return true;
}

void cancelJobs(pappl_printer_t* printer, void*) {
    papplPrinterCancelAllJobs(printer);
}

} // namespace

const PrinterContext& printerContext(pappl_printer_t* printer) {
    pappl_pr_driver_data_t data;
    papplPrinterGetDriverData(printer, &data);
    return *static_cast<const PrinterContext*>(data.extension);
}

VirtualPrinters::VirtualPrinters(pappl_system_t* system, std::filesystem::path folder)
    : system_(system), folder_(std::move(folder)) {
    static pappl_pr_driver_t driver{driverName, makeAndModel, deviceId, nullptr};
    papplSystemSetPrinterDrivers(system_, 1, &driver, nullptr, nullptr, describeDriver, nullptr);
}

bool VirtualPrinters::add(const RealPrinter& real) {
    const PrinterContext context{real, settingsPath(folder_, real.name)};
    try {
        writeDefaultSettings(context.settingsFile);
    } catch (const UserError& error) {
        papplLog(system_, PAPPL_LOGLEVEL_ERROR, "%s", error.what());
    }
    creating = &context;
    pappl_printer_t* printer =
        papplPrinterCreate(system_, 0, real.name.c_str(), driverName, deviceId, deviceUri);
    creating = nullptr;
    if (!printer)
        return false;
    papplPrinterSetDNSSDName(printer, nullptr);
    addSettingsPage(printer);
    return true;
}

bool VirtualPrinters::follow(const RealPrinter& real) {
    pappl_printer_t* printer = find(real.name);
    if (!printer)
        return false;
    pappl_pr_driver_data_t data;
    papplPrinterGetDriverData(printer, &data);
    const pappl_pr_driver_data_t before = data;
    setPapers(&data, real);
    const bool same = data.num_media == before.num_media &&
                      std::equal(data.media, data.media + data.num_media, before.media,
                                 [](const char* a, const char* b) { return !std::strcmp(a, b); }) &&
                      !std::strcmp(data.media_default.size_name, before.media_default.size_name);
    // The driver data is swapped whole under the printer's lock; a job under way keeps the
    // options it was given.
    return !same && papplPrinterSetDriverData(printer, &data, nullptr);
}

void VirtualPrinters::remove(const std::string& name) {
    if (pappl_printer_t* printer = find(name))
        papplPrinterDelete(printer);
}

pappl_printer_t* VirtualPrinters::find(const std::string& name) const {
    struct Search {
        const std::string& name;
        pappl_printer_t* found;
    } search{name, nullptr};
    papplSystemIteratePrinters(
        system_,
        [](pappl_printer_t* printer, void* data) {
            auto& search = *static_cast<Search*>(data);
            if (search.name == papplPrinterGetName(printer))
                search.found = printer;
        },
        &search);
    return search.found;
}

void VirtualPrinters::cancelAllJobs() {
    papplSystemIteratePrinters(system_, cancelJobs, nullptr);
}

} // namespace plicora::printer
