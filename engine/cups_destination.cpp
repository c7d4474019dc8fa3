#include "cups_destination.h"

#include "core/user_error.h"
#include "imposition/side_layout.h"
#include "print_messages.h"

#include <cups/cups.h>

#include <string_view>

namespace plicora::engine {
namespace {

// CUPS's reason for what just failed.
std::string lastReason() {
    const char* reason = cupsLastErrorString();
    return reason ? reason : "";
}

// Throws UserError unless the scheduler answers, within CUPS's own time-out.
void requireScheduler() {
    http_t* http = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1,
                                30000, nullptr);
    if (!http)
        throw UserError(noSchedulerMessage(cupsServer()));
    httpClose(http);
}

std::string_view option(const cups_dest_t* dest, const char* name) {
    const char* value = cupsGetOption(name, dest->num_options, dest->options);
    return value ? value : "";
}

Printer printerOf(cups_dest_t* dest, cups_dinfo_t* info) {
    const auto supports = [&](const char* sides) {
        return info && cupsCheckDestSupported(CUPS_HTTP_DEFAULT, dest, info, CUPS_SIDES, sides);
    };
    return {dest->name, dest->is_default != 0, supports(CUPS_SIDES_TWO_SIDED_LANDSCAPE),
            supports(CUPS_SIDES_TWO_SIDED_PORTRAIT)};
}

// The values of `name` in `response`, joined by ", ", or nothing.
std::string text(ipp_t* response, const char* name) {
    ipp_attribute_t* attribute = ippFindAttribute(response, name, IPP_TAG_ZERO);
    std::string values;
    for (int i = 0; attribute && i < ippGetCount(attribute); ++i)
        if (const char* value = ippGetString(attribute, i, nullptr))
            values += (values.empty() ? "" : ", ") + std::string(value);
    return values;
}

} // namespace

std::vector<Printer> cupsPrinters() {
    requireScheduler();
    cups_dest_t* dests = nullptr;
    const int count = cupsGetDests2(CUPS_HTTP_DEFAULT, &dests);
    std::vector<Printer> printers;
    for (int i = 0; i < count; ++i) {
        cups_dinfo_t* info = cupsCopyDestInfo(CUPS_HTTP_DEFAULT, &dests[i]);
        printers.push_back(printerOf(&dests[i], info));
        cupsFreeDestInfo(info);
    }
    cupsFreeDests(count, dests);
    return printers;
}

void CupsDestination::FreeDest::operator()(cups_dest_t* dest) const {
    cupsFreeDests(1, dest);
}

void CupsDestination::FreeInfo::operator()(cups_dinfo_t* info) const {
    cupsFreeDestInfo(info);
}

CupsDestination::CupsDestination(const std::string& name) {
    requireScheduler();
    dest_.reset(cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.c_str(), nullptr));
    if (!dest_)
        throw UserError(unknownPrinterMessage(name));
    info_.reset(cupsCopyDestInfo(CUPS_HTTP_DEFAULT, dest_.get()));
    printer_ = printerOf(dest_.get(), info_.get());
    // A job sent to a stopped printer would wait there unprinted, and the user not know why.
    ipp_t* request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr,
                 std::string(option(dest_.get(), "printer-uri-supported")).c_str());
    ipp_t* response = cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/");
    std::string reason = text(response, "printer-state-message");
    if (reason.empty())
        reason = text(response, "printer-state-reasons");
    ipp_attribute_t* accepting =
        ippFindAttribute(response, "printer-is-accepting-jobs", IPP_TAG_BOOLEAN);
    const bool refusing = accepting && !ippGetBoolean(accepting, 0);
    const bool stopped = ippGetInteger(ippFindAttribute(response, "printer-state", IPP_TAG_ENUM),
                                       0) == IPP_PSTATE_STOPPED;
    ippDelete(response);
    if (refusing)
        throw UserError(refusingPrinterMessage(name, reason));
    if (stopped)
        throw UserError(stoppedPrinterMessage(name, reason));
}

int CupsDestination::send(std::FILE* file, const std::string& title, const std::string& media,
                          const char* sides, int copies) {
    cups_option_t* options = nullptr;
    int count = cupsAddOption(CUPS_MEDIA, media.c_str(), 0, &options);
    count = cupsAddOption("print-scaling", "none", count, &options);
    count = cupsAddOption(CUPS_SIDES, sides, count, &options);
    count = cupsAddIntegerOption(CUPS_COPIES, copies, count, &options);
    // Each copy a whole booklet, in order.
    if (copies > 1)
        count = cupsAddOption("multiple-document-handling", "separate-documents-collated-copies",
                              count, &options);
    int job = 0;
    const auto failed = [&] {
        const std::string reason = lastReason();
        cupsFreeOptions(count, options);
        if (job != 0)
            cupsCancelDestJob(CUPS_HTTP_DEFAULT, dest_.get(), job);
        return UserError(sendFailedMessage(printer_.name, reason));
    };
    if (cupsCreateDestJob(CUPS_HTTP_DEFAULT, dest_.get(), info_.get(), &job, title.c_str(), count,
                          options) != IPP_STATUS_OK)
        throw failed();
    if (cupsStartDestDocument(CUPS_HTTP_DEFAULT, dest_.get(), info_.get(), job, title.c_str(),
                              CUPS_FORMAT_PDF, 0, nullptr, 1) != HTTP_STATUS_CONTINUE)
        throw failed();
    std::rewind(file);
    char buffer[65536];
    for (std::size_t read; (read = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
        if (cupsWriteRequestData(CUPS_HTTP_DEFAULT, buffer, read) != HTTP_STATUS_CONTINUE)
            throw failed();
    if (std::ferror(file)) {
        cupsFinishDestDocument(CUPS_HTTP_DEFAULT, dest_.get(), info_.get());
        throw failed();
    }
    if (cupsFinishDestDocument(CUPS_HTTP_DEFAULT, dest_.get(), info_.get()) != IPP_STATUS_OK)
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
    ipp_t* response = cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/");
    if (!response || cupsLastError() > IPP_STATUS_OK_EVENTS_COMPLETE) {
        ippDelete(response);
        throw UserError(jobFailedMessage(printer_.name, id, lastReason()));
    }
    const int state = ippGetInteger(ippFindAttribute(response, "job-state", IPP_TAG_ENUM), 0);
    const std::string message = text(response, "job-printer-state-message");
    std::string reason = message;
    if (reason.empty())
        reason = text(response, "job-state-reasons");
    ippDelete(response);
    JobStatus status{id, JobState::Queued, printer_.name, message};
    if (state == IPP_JSTATE_PENDING || state == IPP_JSTATE_HELD)
        return status;
    if (state == IPP_JSTATE_PROCESSING || state == IPP_JSTATE_COMPLETED) {
        status.state = state == IPP_JSTATE_COMPLETED ? JobState::Printed : JobState::Printing;
        return status;
    }
    throw UserError(state == IPP_JSTATE_STOPPED ? stoppedPrinterMessage(printer_.name, reason)
                                                : jobFailedMessage(printer_.name, id, reason));
}

void CupsDestination::cancel(int id) {
    cupsCancelDestJob(CUPS_HTTP_DEFAULT, dest_.get(), id);
}

} // namespace plicora::engine
