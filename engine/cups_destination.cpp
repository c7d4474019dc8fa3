#include "cups_destination.h"

#include "core/user_error.h"
#include "print_messages.h"

#include <cups/cups.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <string_view>

namespace plicora::engine {
namespace {

// How long an exchange with the scheduler may go without an answer: a silent scheduler is told
// well within half a minute, even when a step takes a few exchanges.
constexpr double exchangeSeconds = 8;
constexpr int connectMilliseconds = 5000;

std::string_view option(const cups_dest_t* dest, const char* name) {
    const char* value = cupsGetOption(name, dest->num_options, dest->options);
    return value ? value : "";
}

// A destination known only from the network, not yet a queue of the scheduler.
bool discovered(const cups_dest_t* dest) {
    return option(dest, "printer-uri-supported").empty();
}

std::string destinationName(const cups_dest_t* dest) {
    return dest->instance ? std::string(dest->name) + "/" + dest->instance : dest->name;
}

// The values of `attribute`, or none.
std::vector<std::string> values(ipp_attribute_t* attribute) {
    std::vector<std::string> strings;
    for (int i = 0; attribute && i < ippGetCount(attribute); ++i)
        if (const char* value = ippGetString(attribute, i, nullptr))
            strings.emplace_back(value);
    return strings;
}

// The values of `name` in `response`, joined by ", ", or nothing.
std::string text(ipp_t* response, const char* name) {
    std::string joined;
    for (const std::string& value : values(ippFindAttribute(response, name, IPP_TAG_ZERO)))
        joined += (joined.empty() ? "" : ", ") + value;
    return joined;
}

// What a printer's message says once it is no news: a printer's last "Idle." outlives the state
// it told of, and reads as nonsense beside "stopped" or "printing".
std::string news(std::string message) {
    std::string plain;
    for (const char c : message)
        if (c != '.' && c != ' ')
            plain += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return plain == "idle" || plain == "readytoprint" ? std::string() : message;
}

// The reason of a printer or job: its message, else its state's reasons but "none".
std::string stateReason(ipp_t* response, const char* message, const char* reasons) {
    if (std::string said = news(text(response, message)); !said.empty())
        return said;
    const std::string joined = text(response, reasons);
    return joined == "none" ? std::string() : joined;
}

// The printer URI of each queue the scheduler has, by name. A printer the network announces
// under a queue's name may take the queue's place in CUPS's list of destinations.
std::map<std::string, std::string> queueUris(http_t* http) {
    ipp_t* request = ippNewRequest(IPP_OP_CUPS_GET_PRINTERS);
    const char* const wanted[] = {"printer-name", "printer-uri-supported"};
    ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", 2, nullptr,
                  wanted);
    ipp_t* response = cupsDoRequest(http, request, "/");
    std::map<std::string, std::string> uris;
    // Each printer's attributes, in whatever order, end at a separator or at the end.
    std::string name, uri;
    const auto keep = [&] {
        if (!name.empty() && !uri.empty())
            uris[name] = uri;
        name.clear();
        uri.clear();
    };
    for (ipp_attribute_t* attribute = ippFirstAttribute(response); attribute;
         attribute = ippNextAttribute(response)) {
        const char* attributeName = ippGetName(attribute);
        const char* value = ippGetString(attribute, 0, nullptr);
        if (!attributeName)
            keep();
        else if (std::string_view(attributeName) == "printer-name" && value)
            name = value;
        else if (std::string_view(attributeName) == "printer-uri-supported" && value)
            uri = value;
    }
    keep();
    ippDelete(response);
    return uris;
}

Printer printerOf(http_t* http, cups_dest_t* dest, cups_dinfo_t* info) {
    Printer printer{.name = destinationName(dest), .isDefault = dest->is_default != 0};
    if (!info) {
        printer.known = false;
        return printer;
    }
    const auto supports = [&](const char* sides) {
        return cupsCheckDestSupported(http, dest, info, CUPS_SIDES, sides) != 0;
    };
    printer.shortEdge = supports(CUPS_SIDES_TWO_SIDED_LANDSCAPE);
    printer.longEdge = supports(CUPS_SIDES_TWO_SIDED_PORTRAIT);
    printer.media = values(cupsFindDestSupported(http, dest, info, CUPS_MEDIA));
    for (const std::string& media : printer.media) {
        cups_size_t size{};
        printer.margins.push_back(
            cupsGetDestMediaByName(http, dest, info, media.c_str(), CUPS_MEDIA_FLAGS_DEFAULT, &size)
                ? std::max({size.top, size.bottom, size.left, size.right, 0})
                : 0);
    }
    // The user's own default (lpoptions) before the printer's.
    printer.defaultMedia = option(dest, CUPS_MEDIA);
    if (printer.defaultMedia.empty())
        if (const auto media = values(cupsFindDestDefault(http, dest, info, CUPS_MEDIA));
            !media.empty())
            printer.defaultMedia = media.front();
    return printer;
}

// The options of the user's defaults that go with a job: not those Plicora sets itself, nor the
// printer's own attributes that come with a destination.
bool userJobOption(std::string_view name) {
    constexpr std::string_view own[] = {CUPS_MEDIA,
                                        "media-col",
                                        "print-scaling",
                                        "fit-to-page",
                                        CUPS_SIDES,
                                        CUPS_COPIES,
                                        "multiple-document-handling",
                                        "device-uri",
                                        "auth-info-required"};
    return std::find(std::begin(own), std::end(own), name) == std::end(own) &&
           !name.starts_with("printer-") && !name.starts_with("marker-");
}

} // namespace

Scheduler::Scheduler() {
    http_ = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1,
                         connectMilliseconds, nullptr);
    if (!http_)
        throw UserError(noSchedulerMessage(cupsServer()));
    httpSetTimeout(http_, exchangeSeconds, &Scheduler::giveUp, this);
    // A scheduler that takes connections and never answers is found here, with this
    // connection's bound: CUPS's own calls open connections of theirs, that wait minutes.
    ippDelete(cupsDoRequest(http_, ippNewRequest(IPP_OP_CUPS_GET_DEFAULT), "/"));
    if (silent_) {
        httpClose(http_);
        throw UserError(noSchedulerMessage(cupsServer()));
    }
}

Scheduler::~Scheduler() {
    httpClose(http_);
}

int Scheduler::giveUp(http_t*, void* scheduler) {
    static_cast<Scheduler*>(scheduler)->silent_ = true;
    return 0;
}

void Scheduler::requireAnswered() const {
    if (silent_)
        throw UserError(noSchedulerMessage(cupsServer()));
}

std::string Scheduler::reason() const {
    requireAnswered();
    // CUPS words its own failures to reach the scheduler with the system's error text.
    if (cupsLastError() == IPP_STATUS_ERROR_INTERNAL ||
        cupsLastError() == IPP_STATUS_ERROR_SERVICE_UNAVAILABLE)
        return connectionLostText;
    const char* reason = cupsLastErrorString();
    return reason ? reason : "";
}

std::vector<Printer> cupsPrinters() {
    const Scheduler scheduler;
    cups_dest_t* dests = nullptr;
    const int count = cupsGetDests2(scheduler.http(), &dests);
    const std::map<std::string, std::string> queues =
        scheduler.answered() ? queueUris(scheduler.http()) : std::map<std::string, std::string>();
    std::vector<Printer> printers;
    for (int i = 0; i < count && scheduler.answered(); ++i) {
        if (const auto queue = queues.find(dests[i].name);
            queue != queues.end() && discovered(&dests[i]))
            dests[i].num_options = cupsAddOption("printer-uri-supported", queue->second.c_str(),
                                                 dests[i].num_options, &dests[i].options);
        cups_dinfo_t* info =
            discovered(&dests[i]) ? nullptr : cupsCopyDestInfo(scheduler.http(), &dests[i]);
        printers.push_back(printerOf(scheduler.http(), &dests[i], info));
        cupsFreeDestInfo(info);
    }
    cupsFreeDests(count, dests);
    scheduler.requireAnswered();
    return printers;
}

void CupsDestination::FreeDest::operator()(cups_dest_t* dest) const {
    cupsFreeDests(1, dest);
}

void CupsDestination::FreeInfo::operator()(cups_dinfo_t* info) const {
    cupsFreeDestInfo(info);
}

CupsDestination::CupsDestination(const std::string& name) {
    const std::size_t slash = name.find('/');
    const std::string queue = name.substr(0, slash);
    const std::string instance = slash == std::string::npos ? "" : name.substr(slash + 1);
    dest_.reset(cupsGetNamedDest(scheduler_.http(), queue.c_str(),
                                 instance.empty() ? nullptr : instance.c_str()));
    scheduler_.requireAnswered();
    if (!dest_)
        throw UserError(unknownPrinterMessage(name));
    const bool fromNetwork = discovered(dest_.get());
    info_.reset(cupsCopyDestInfo(scheduler_.http(), dest_.get()));
    scheduler_.requireAnswered();
    if (!info_)
        throw UserError(fromNetwork ? unreachablePrinterMessage(name)
                                    : printerUnansweredMessage(name, scheduler_.reason()));
    printer_ = printerOf(scheduler_.http(), dest_.get(), info_.get());
    requireReady();
}

// A job sent to a stopped printer would wait there unprinted, and the user not know why.
void CupsDestination::requireReady() {
    ipp_t* request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr,
                 std::string(option(dest_.get(), "printer-uri-supported")).c_str());
    ipp_t* response = cupsDoRequest(scheduler_.http(), request, "/");
    const std::string reason =
        stateReason(response, "printer-state-message", "printer-state-reasons");
    ipp_attribute_t* accepting =
        ippFindAttribute(response, "printer-is-accepting-jobs", IPP_TAG_BOOLEAN);
    const bool refusing = accepting && !ippGetBoolean(accepting, 0);
    const bool stopped = ippGetInteger(ippFindAttribute(response, "printer-state", IPP_TAG_ENUM),
                                       0) == IPP_PSTATE_STOPPED;
    ippDelete(response);
    scheduler_.requireAnswered();
    if (refusing)
        throw UserError(refusingPrinterMessage(printer_.name, reason));
    if (stopped)
        throw UserError(stoppedPrinterMessage(printer_.name, reason));
}

int CupsDestination::margin(const Paper& paper) {
    cups_size_t size{};
    if (!cupsGetDestMediaBySize(scheduler_.http(), dest_.get(), info_.get(), paper.width,
                                paper.height, CUPS_MEDIA_FLAGS_DEFAULT, &size))
        return 0;
    return std::max({size.top, size.bottom, size.left, size.right, 0});
}

int CupsDestination::send(std::FILE* file, const std::string& title, const std::string& media,
                          const char* sides, int copies) {
    cups_option_t* options = nullptr;
    int count = 0;
    for (int i = 0; i < dest_->num_options; ++i)
        if (userJobOption(dest_->options[i].name))
            count = cupsAddOption(dest_->options[i].name, dest_->options[i].value, count, &options);
    count = cupsAddOption(CUPS_MEDIA, media.c_str(), count, &options);
    count = cupsAddOption("print-scaling", "none", count, &options);
    count = cupsAddOption(CUPS_SIDES, sides, count, &options);
    count = cupsAddIntegerOption(CUPS_COPIES, copies, count, &options);
    // Each copy a whole booklet, in order.
    if (copies > 1)
        count = cupsAddOption("multiple-document-handling", "separate-documents-collated-copies",
                              count, &options);
    // Success, as CUPS documents it: an ignored or substituted option is no failure.
    const auto succeeded = [](ipp_status_t status) {
        return status == IPP_STATUS_OK || status == IPP_STATUS_OK_IGNORED_OR_SUBSTITUTED;
    };
    http_t* http = scheduler_.http();
    int job = 0;
    const auto failed = [&] {
        cupsFreeOptions(count, options);
        std::string reason = scheduler_.reason();
        // A job told as failed must not print later by surprise.
        if (job != 0)
            cupsCancelDestJob(http, dest_.get(), job);
        return UserError(sendFailedMessage(printer_.name, reason));
    };
    if (!succeeded(
            cupsCreateDestJob(http, dest_.get(), info_.get(), &job, title.c_str(), count, options)))
        throw failed();
    if (cupsStartDestDocument(http, dest_.get(), info_.get(), job, title.c_str(), CUPS_FORMAT_PDF,
                              0, nullptr, 1) != HTTP_STATUS_CONTINUE)
        throw failed();
    std::rewind(file);
    char buffer[65536];
    bool written = true;
    for (std::size_t read; written && (read = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
        written = cupsWriteRequestData(http, buffer, read) == HTTP_STATUS_CONTINUE;
    // The request is finished before the job is cancelled, as CUPS expects.
    const bool finished = succeeded(cupsFinishDestDocument(http, dest_.get(), info_.get()));
    if (!written || std::ferror(file) || !finished)
        throw failed();
    cupsFreeOptions(count, options);
    return job;
}

JobStatus CupsDestination::status(int id) {
    ipp_t* request = ippNewRequest(IPP_OP_GET_JOB_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr,
                 std::string(option(dest_.get(), "printer-uri-supported")).c_str());
    ippAddInteger(request, IPP_TAG_OPERATION, IPP_TAG_INTEGER, "job-id", id);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr,
                 cupsUser());
    ipp_t* response = cupsDoRequest(scheduler_.http(), request, "/");
    if (!response || cupsLastError() > IPP_STATUS_OK_EVENTS_COMPLETE) {
        ippDelete(response);
        throw UserError(jobFailedMessage(printer_.name, id, scheduler_.reason()));
    }
    const int state = ippGetInteger(ippFindAttribute(response, "job-state", IPP_TAG_ENUM), 0);
    const std::string reason =
        stateReason(response, "job-printer-state-message", "job-state-reasons");
    ippDelete(response);
    JobStatus status{id, JobState::Queued, printer_.name, reason};
    switch (state) {
    case IPP_JSTATE_PENDING:
        return status;
    case IPP_JSTATE_HELD:
        status.state = JobState::Held;
        return status;
    case IPP_JSTATE_PROCESSING:
        status.state = JobState::Printing;
        return status;
    case IPP_JSTATE_COMPLETED:
        status.state = JobState::Printed;
        return status;
    case IPP_JSTATE_STOPPED:
        throw UserError(stoppedPrinterMessage(printer_.name, reason));
    default:
        throw UserError(jobFailedMessage(printer_.name, id, reason));
    }
}

int CupsDestination::jobsAhead(int id) {
    ipp_t* request = ippNewRequest(IPP_OP_GET_JOBS);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr,
                 std::string(option(dest_.get(), "printer-uri-supported")).c_str());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "which-jobs", nullptr,
                 "not-completed");
    static const char* const wanted[] = {"job-id", "job-state"};
    ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes",
                  std::size(wanted), nullptr, wanted);
    ipp_t* response = cupsDoRequest(scheduler_.http(), request, "/");
    // Each job's attributes end at a separator; a held job waits for nobody.
    int ahead = 0, job = 0, state = 0;
    const auto count = [&] {
        ahead += job != 0 && job < id && state != IPP_JSTATE_HELD;
        job = state = 0;
    };
    for (ipp_attribute_t* attribute = ippFirstAttribute(response); attribute;
         attribute = ippNextAttribute(response)) {
        const char* name = ippGetName(attribute);
        if (!name)
            count();
        else if (std::string_view(name) == "job-id")
            job = ippGetInteger(attribute, 0);
        else if (std::string_view(name) == "job-state")
            state = ippGetInteger(attribute, 0);
    }
    count();
    ippDelete(response);
    return ahead;
}

void CupsDestination::cancel(int id) {
    cupsCancelDestJob(scheduler_.http(), dest_.get(), id);
}

} // namespace plicora::engine
