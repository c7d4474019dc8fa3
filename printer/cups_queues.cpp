#include "cups_queues.h"

#include "child_process.h"
#include "printer_messages.h"

#include <cups/cups.h>

#include <algorithm>
#include <memory>

namespace plicora::printer {
namespace {

constexpr std::string_view queuePrefix = "Opuscolo-";

struct FreeIpp {
    void operator()(ipp_t* ipp) const { ippDelete(ipp); }
};

std::vector<std::string> strings(ipp_t* response, const char* name) {
    std::vector<std::string> values;
    ipp_attribute_t* attribute = ippFindAttribute(response, name, IPP_TAG_ZERO);
    for (int i = 0; i < ippGetCount(attribute); ++i)
        if (const char* value = ippGetString(attribute, i, nullptr))
            values.emplace_back(value);
    return values;
}

} // namespace

std::string queueName(std::string_view printer) {
    return std::string(queuePrefix) + std::string(printer);
}

std::string virtualPrinterUri(int port, std::string_view printer) {
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "127.0.0.1", port,
                     "/ipp/print/%s", std::string(printer).c_str());
    return uri;
}

std::optional<CupsDestinations> cupsDestinations() {
    cups_dest_t* dests = nullptr;
    const int count = cupsGetDests2(CUPS_HTTP_DEFAULT, &dests);
    if (count == 0 && cupsLastError() > IPP_STATUS_OK_EVENTS_COMPLETE &&
        cupsLastError() != IPP_STATUS_ERROR_NOT_FOUND)
        return std::nullopt;
    CupsDestinations found;
    for (int i = 0; i < count; ++i) {
        const cups_dest_t& dest = dests[i];
        if (dest.instance)
            continue;
        const std::string_view name = dest.name;
        if (name.starts_with(queuePrefix)) {
            const char* uri = cupsGetOption("device-uri", dest.num_options, dest.options);
            found.queues.emplace(name, uri ? uri : "");
        } else {
            found.printers.emplace_back(name);
        }
    }
    cupsFreeDests(count, dests);
    return found;
}

std::optional<RealPrinter> askPrinter(const std::string& name) {
    RealPrinter printer{name};
    ipp_t* request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", 0,
                     "/printers/%s", name.c_str());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
    static const char* const wanted[] = {"media-supported", "media-default", "sides-supported"};
    ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes",
                  static_cast<int>(std::size(wanted)), nullptr, wanted);
    const std::unique_ptr<ipp_t, FreeIpp> response(cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/"));
    if (!response || ippGetStatusCode(response.get()) > IPP_STATUS_OK_EVENTS_COMPLETE)
        return std::nullopt;
    printer.media = strings(response.get(), "media-supported");
    const std::vector<std::string> defaults = strings(response.get(), "media-default");
    printer.defaultMedia = defaults.empty() ? "" : defaults.front();
    const std::vector<std::string> sides = strings(response.get(), "sides-supported");
    printer.twoSided = std::any_of(sides.begin(), sides.end(), [](const std::string& side) {
        return side.starts_with("two-sided");
    });
    return printer;
}

RealPrinter describePrinter(const std::string& name) {
    return askPrinter(name).value_or(RealPrinter{name});
}

std::vector<std::string> addQueueCommand(int port, std::string_view printer) {
    return {"lpadmin",
            "-p",
            queueName(printer),
            "-D",
            printerDescription(printer),
            "-E",
            "-v",
            virtualPrinterUri(port, printer),
            "-m",
            "everywhere"};
}

std::optional<std::string> runAdministration(const std::vector<std::string>& command) {
    std::string said;
    const auto end = runChild(
        command, [] { return false; },
        [&](std::string_view line) { said += (said.empty() ? "" : " ") + std::string(line); });
    if (!end)
        return missingProgramMessage(command.front());
    if (end->exited && end->status == 0)
        return std::nullopt;
    for (const std::string& line : end->errors)
        said += (said.empty() ? "" : " ") + line;
    return said.empty() ? command.front() : said;
}

std::string commandText(const std::vector<std::string>& command) {
    std::string text = "sudo";
    for (const std::string& argument : command)
        text += argument.find(' ') == std::string::npos ? " " + argument : " \"" + argument + "\"";
    return text;
}

} // namespace plicora::printer
