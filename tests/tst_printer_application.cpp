// plicora-stampante between a private CUPS and its ippeveprinter printers: documents printed with
// `lp` to its queues come out of the real printers as booklets.
#include "cups_world.h"
#include "pdf_words.h"
#include "test_support.h"

#include "core/sheet_sides.h"
#include "imposition/imposition_messages.h"
#include "printer/printer_messages.h"
#include "tools/numbered_pdf/numbered_pdf.h"

#include <gtest/gtest.h>

#include <cups/cups.h>

#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <thread>

using namespace plicora;
using namespace plicora::testing;
namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

constexpr int documentPages = 8;

// Starts plicora-stampante on `port` with its state in `folder` and its messages in `log`, on the
// CUPS at `cupsServer` (empty: the world's). Without a desktop `session` (whatever the machine
// running the tests has) every job goes straight to the printer, and a one-sided one is refused;
// with one, windows open on Qt's offscreen platform.
pid_t startBookletPrinter(int port, const fs::path& folder, const fs::path& log,
                          const std::string& cupsServer = "", bool session = false) {
    std::vector<std::string> command{"env", "-u", "DISPLAY", "-u", "WAYLAND_DISPLAY"};
    if (session)
        command.insert(command.end(), {"DISPLAY=:0", "QT_QPA_PLATFORM=offscreen"});
    if (!cupsServer.empty())
        command.push_back("CUPS_SERVER=" + cupsServer);
    command.insert(command.end(), {PLICORA_PRINTER_EXECUTABLE, "--porta", std::to_string(port),
                                   "--cartella", folder.string()});
    const pid_t pid = startLogged(command, log);
    EXPECT_GT(pid, 0);
    return pid;
}

// The booklet printer the suite runs, started once the CUPS world is there and stopped by
// SIGTERM after the last test, in the middle of a job, which must leave no job document behind.
class BookletPrinterEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        port_ = freePort();
        pid_ = startBookletPrinter(port_, folder_.path(), log());
        for (const char* printer : {duplexPrinter, oneSidedPrinter})
            ASSERT_TRUE(waitFor(
                [&] { return quietly("lpstat -a " + queue(printer) + " | grep -q ' accepting'"); },
                20s))
                << queue(printer) << readFile(log());
    }

    void TearDown() override {
        // A long job under way when SIGTERM comes: its document must go with it.
        const fs::path document = folder_.path() / "lungo.pdf";
        writeNumberedPdf(document.string(), std::vector<NumberedPage>(400));
        quietly("lp -d " + queue(duplexPrinter) + " " + document.string());
        EXPECT_TRUE(waitFor([] { return !fs::is_empty(folder_.path() / "spool"); }));
        const auto start = std::chrono::steady_clock::now();
        kill(pid_, SIGTERM);
        int status = 0;
        waitpid(pid_, &status, 0);
        EXPECT_LT(std::chrono::steady_clock::now() - start, 10s);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status << readFile(log());
        EXPECT_TRUE(fs::is_empty(folder_.path() / "spool"));
        if (::testing::UnitTest::GetInstance()->Failed())
            std::cerr << "plicora-stampante said:\n" << readFile(log());
        for (const char* printer : {duplexPrinter, oneSidedPrinter})
            quietly("lpadmin -x " + queue(printer));
    }

    static std::string queue(const char* printer) { return std::string("Opuscolo-") + printer; }
    static int port() { return port_; }
    static pid_t pid() { return pid_; }
    static const fs::path& folder() { return folder_.path(); }
    static fs::path log() { return folder_.path() / "stampante.log"; }

private:
    static inline int port_ = 0;
    static inline pid_t pid_ = 0;
    static inline TemporaryDirectory folder_;
};

const auto* const worldEnvironment = ::testing::AddGlobalTestEnvironment(new CupsWorldEnvironment);
const auto* const printerEnvironment =
    ::testing::AddGlobalTestEnvironment(new BookletPrinterEnvironment);

CupsWorld& world() {
    return CupsWorldEnvironment::world();
}

struct FreeIpp {
    void operator()(ipp_t* ipp) const { ippDelete(ipp); }
};
using Ipp = std::unique_ptr<ipp_t, FreeIpp>;

// What the booklet printer says of one of its jobs.
struct VirtualJob {
    int id = 0;
    ipp_jstate_t state = IPP_JSTATE_PENDING;
    std::string message = {};
};

// Sends an IPP request to the virtual printer of `printer`, with `file` as its document if any;
// of the suite's booklet printer unless another listens on `port`.
Ipp askVirtualPrinter(ipp_t* request, const char* printer, const char* file = nullptr,
                      int port = BookletPrinterEnvironment::port()) {
    const std::string resource = std::string("/ipp/print/") + printer;
    char uri[HTTP_MAX_URI];
    httpAssembleURI(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "127.0.0.1", port,
                    resource.c_str());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr,
                 cupsUser());
    http_t* http =
        httpConnect2("127.0.0.1", port, nullptr, AF_INET, HTTP_ENCRYPTION_NEVER, 1, 5000, nullptr);
    Ipp response(file ? cupsDoFileRequest(http, request, resource.c_str(), file)
                      : cupsDoRequest(http, request, resource.c_str()));
    httpClose(http);
    return response;
}

// Every job of the virtual printer of `printer`, oldest first.
std::vector<VirtualJob> virtualJobs(const char* printer,
                                    int port = BookletPrinterEnvironment::port()) {
    ipp_t* request = ippNewRequest(IPP_OP_GET_JOBS);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "which-jobs", nullptr, "all");
    static const char* const wanted[] = {"job-id", "job-state", "job-state-message"};
    ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes",
                  static_cast<int>(std::size(wanted)), nullptr, wanted);
    const Ipp response = askVirtualPrinter(request, printer, nullptr, port);
    std::vector<VirtualJob> jobs;
    for (ipp_attribute_t* attribute = ippFirstAttribute(response.get()); attribute;
         attribute = ippNextAttribute(response.get())) {
        const char* name = ippGetName(attribute);
        if (!name)
            continue;
        if (std::string_view(name) == "job-id")
            jobs.push_back({ippGetInteger(attribute, 0)});
        else if (std::string_view(name) == "job-state" && !jobs.empty())
            jobs.back().state = static_cast<ipp_jstate_t>(ippGetInteger(attribute, 0));
        else if (std::string_view(name) == "job-state-message" && !jobs.empty())
            jobs.back().message = ippGetString(attribute, 0, nullptr);
    }
    std::sort(jobs.begin(), jobs.end(), [](auto& a, auto& b) { return a.id < b.id; });
    return jobs;
}

// The newest job's id on the virtual printer of `printer`, 0 for none (ended jobs leave its
// history after a while, ids never go back).
int newestJob(const char* printer) {
    const std::vector<VirtualJob> jobs = virtualJobs(printer);
    return jobs.empty() ? 0 : jobs.back().id;
}

// Waits until the virtual printer of `printer` has ended its first job after job `after`; that
// job.
VirtualJob endedJobAfter(const char* printer, int after) {
    VirtualJob found;
    EXPECT_TRUE(waitFor(
        [&] {
            for (const VirtualJob& job : virtualJobs(printer))
                if (job.id > after) {
                    found = job;
                    return job.state >= IPP_JSTATE_CANCELED;
                }
            return false;
        },
        20s))
        << found.id << " " << found.state;
    return found;
}

// Prints `file` with lp on the queue of `printer`'s virtual printer, with lp's `options`.
void lp(const char* printer, const std::string& file, const std::string& options = "") {
    const std::string command =
        "lp -d " + BookletPrinterEnvironment::queue(printer) + " " + options + " " + file;
    ASSERT_TRUE(quietly(command)) << command;
}

// The sides of the numbered document's four-up booklet, in printing order.
std::vector<SheetSide> bookletSides(const Binding& binding = {}) {
    std::vector<SheetSide> sides;
    for (const Sheet& sheet :
         sheetSides(Mode::FourUp, documentPages, 0, documentPages, 0, binding).sheets) {
        sides.push_back(sheet.front);
        sides.push_back(sheet.back);
    }
    return sides;
}

// Checks that `pdf` holds `sides` in order, every one read the same way round (short edge).
void expectSides(const fs::path& pdf, const std::vector<SheetSide>& sides) {
    const std::vector<std::vector<Word>> pages = readPages(pdf);
    ASSERT_EQ(pages.size(), sides.size()) << pdf;
    for (std::size_t i = 0; i < sides.size(); ++i) {
        const auto find = [&](int number) {
            return std::find_if(pages[i].begin(), pages[i].end(),
                                [number](const Word& word) { return word.number == number; });
        };
        for (const int page : sides[i].pages) {
            if (page >= 1 && page <= documentPages) { // 0: a cell eight-up only has
                EXPECT_NE(find(page), pages[i].end()) << "side " << i + 1 << ", page " << page;
            }
        }
    }
}

class BookletPrinter : public ::testing::Test {
protected:
    ~BookletPrinter() override { world().settle(); }

    // Writes the numbered document with pages of `width` x `height` points.
    std::string document(double width = 595, double height = 842) const {
        const std::string path = (folder_.path() / "tesi.pdf").string();
        writeNumberedPdf(path, std::vector<NumberedPage>(documentPages, {width, height}));
        return path;
    }

    const TemporaryDirectory folder_;
};

// A field of /proc/PID/status, in its own unit.
long statusField(pid_t pid, const std::string& name) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.starts_with(name + ":"))
            return std::stol(line.substr(name.size() + 1));
    return -1;
}

// The processor time `pid` has used so far, in clock ticks.
long processorTicks(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    std::istringstream fields(text.substr(text.rfind(')') + 2));
    std::string field;
    long user = 0, system = 0;
    for (int i = 3; i <= 15 && fields >> field; ++i) {
        if (i == 14)
            user = std::stol(field);
        if (i == 15)
            system = std::stol(field);
    }
    return user + system;
}

// Run first, while nothing has been printed: what a user who never prints to it pays.
TEST_F(BookletPrinter, costsLittleWhileIdle) {
    const pid_t pid = BookletPrinterEnvironment::pid();
    const long before = processorTicks(pid);
    std::this_thread::sleep_for(6s);
    const long ticks = processorTicks(pid) - before;
    const long resident = statusField(pid, "VmRSS");
    RecordProperty("resident_kB", std::to_string(resident));
    std::cout << "idle: " << resident << " kB resident, " << ticks << " ticks in 6 s\n";
    EXPECT_LT(resident, 15 * 1024);
    EXPECT_LE(ticks, 10); // a tenth of a second: CUPS asked twice
}

// A document printed with lp, the page size it asks for, and the sheet the booklet must be on.
struct LpCase {
    const char* name;
    double width, height; // the document's pages, in points
    const char* options;
    const char* sheet; // as the real printer receives it in media-col
    const char* copies;
};

class BookletFromLp : public BookletPrinter, public ::testing::WithParamInterface<LpCase> {};

TEST_P(BookletFromLp, comesOutOfTheRealPrinterAsOneShortEdgeBookletJob) {
    const LpCase& c = GetParam();
    const std::size_t before = world().jobs(duplexPrinter).size();
    const int virtualBefore = newestJob(duplexPrinter);
    lp(duplexPrinter, document(c.width, c.height), c.options);
    const std::vector<ReceivedJob> jobs = world().waitForJobs(duplexPrinter, before + 1);
    ASSERT_EQ(jobs.size(), before + 1) << readFile(BookletPrinterEnvironment::log());
    const ReceivedJob& job = jobs.back();
    EXPECT_EQ(job.attributes.at("sides"), "two-sided-short-edge");
    EXPECT_EQ(job.attributes.at("job-name"), "tesi.pdf");
    EXPECT_NE(job.attributes.at("media-col").find(c.sheet), std::string::npos)
        << job.attributes.at("media-col");
    const auto copies = job.attributes.find("copies");
    EXPECT_EQ(copies == job.attributes.end() ? "1" : copies->second, c.copies);
    expectSides(job.document, bookletSides());
    EXPECT_EQ(endedJobAfter(duplexPrinter, virtualBefore).state, IPP_JSTATE_COMPLETED);
}

INSTANTIATE_TEST_SUITE_P(
    PageSizes, BookletFromLp,
    ::testing::Values(
        // The test printers' own paper is Letter: half-letter pages are offered by default.
        LpCase{"defaultPageSize", 595, 842, "", "x-dimension=21590 y-dimension=27940", "1"},
        LpCase{"a4DocumentOnA5Pages", 595, 842, "-o media=iso_a5_148x210mm",
               "x-dimension=21000 y-dimension=29700", "1"},
        LpCase{"letterDocumentOnA5Pages", 612, 792, "-o media=iso_a5_148x210mm",
               "x-dimension=21000 y-dimension=29700", "1"},
        LpCase{"twoCopies", 595, 842, "-n 2 -o media=iso_a5_148x210mm",
               "x-dimension=21000 y-dimension=29700", "2"}),
    caseName<LpCase>);

TEST_F(BookletPrinter, refusesAOneSidedPrinterSayingWhy) {
    const int before = newestJob(oneSidedPrinter);
    lp(oneSidedPrinter, document());
    const VirtualJob job = endedJobAfter(oneSidedPrinter, before);
    EXPECT_EQ(job.state, IPP_JSTATE_ABORTED);
    EXPECT_NE(job.message.find("La stampante Unlato stampa su un solo lato"), std::string::npos)
        << job.message;
    EXPECT_TRUE(world().jobs(oneSidedPrinter).empty());
}

TEST_F(BookletPrinter, printsTwoJobsSentAtOnce) {
    const std::size_t before = world().jobs(duplexPrinter).size();
    const std::string path = document();
    lp(duplexPrinter, path);
    lp(duplexPrinter, path);
    EXPECT_EQ(world().waitForJobs(duplexPrinter, before + 2).size(), before + 2);
}

TEST_F(BookletPrinter, givesTheEnginesRefusalOfAHostileDocumentAndKeepsRunning) {
    const fs::path hostile = folder_.path() / "ostile.pdf";
    std::ofstream(hostile) << "%PDF-1.7\n1 0 obj << /Type /Catalog /Pages 1 0 R >> endobj\n"
                              "trailer << /Root 1 0 R >>\n%%EOF\n";
    const int before = newestJob(duplexPrinter);
    ipp_t* request = ippNewRequest(IPP_OP_PRINT_JOB);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_MIMETYPE, "document-format", nullptr,
                 "application/pdf");
    const Ipp response = askVirtualPrinter(request, duplexPrinter, hostile.c_str());
    ASSERT_TRUE(response);
    const VirtualJob job = endedJobAfter(duplexPrinter, before);
    EXPECT_EQ(job.state, IPP_JSTATE_ABORTED);
    EXPECT_EQ(job.message, noPagesMessage); // the engine's words, as they read
    const std::size_t printed = world().jobs(duplexPrinter).size();
    lp(duplexPrinter, document());
    EXPECT_EQ(world().waitForJobs(duplexPrinter, printed + 1).size(), printed + 1);
}

// A printer's settings file, and what a job printed with it becomes.
struct SettingsCase {
    const char* name;
    const char* text;
    Binding binding;
    const char* refusal; // empty: printed
};

// A test of the duplex printer's settings file.
class SettingsFile : public BookletPrinter {
protected:
    const fs::path file_ = BookletPrinterEnvironment::folder() / "impostazioni" /
                           (std::string(duplexPrinter) + ".conf");
};

class PrinterSettingsFile : public SettingsFile,
                            public ::testing::WithParamInterface<SettingsCase> {};

TEST_P(PrinterSettingsFile, shapesTheNextJob) {
    const SettingsCase& c = GetParam();
    ASSERT_TRUE(fs::exists(file_));
    EXPECT_EQ(fs::status(file_).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
    const std::string defaults = readFile(file_);
    std::ofstream(file_) << c.text;
    const std::size_t before = world().jobs(duplexPrinter).size();
    const int virtualBefore = newestJob(duplexPrinter);
    lp(duplexPrinter, document());
    const VirtualJob job = endedJobAfter(duplexPrinter, virtualBefore);
    std::ofstream(file_) << defaults;
    if (*c.refusal) {
        EXPECT_EQ(job.state, IPP_JSTATE_ABORTED);
        EXPECT_NE(job.message.find(c.refusal), std::string::npos) << job.message;
        EXPECT_EQ(world().jobs(duplexPrinter).size(), before);
        return;
    }
    EXPECT_EQ(job.state, IPP_JSTATE_COMPLETED) << job.message;
    const std::vector<ReceivedJob> jobs = world().waitForJobs(duplexPrinter, before + 1);
    ASSERT_EQ(jobs.size(), before + 1);
    expectSides(jobs.back().document, bookletSides(c.binding));
}

INSTANTIATE_TEST_SUITE_P(
    Files, PrinterSettingsFile,
    ::testing::Values(
        SettingsCase{"opensFromTheRight", "da-destra = s\u00ec\n", {true, false}, ""},
        SettingsCase{"backCoverLast", "# il retro\nquarta-di-copertina=si\n", {false, true}, ""},
        SettingsCase{"signaturesUnreadable", "fascicoli=molti\n", {}, "fascicoli"},
        SettingsCase{"unknownKey", "da-destra=no\ncolore=rosso\n", {}, "Riga 2"},
        // No desktop session to show it in: refused, not printed unseen.
        SettingsCase{
            "previewWithoutSession", "anteprima=s\u00ec\n", {}, printer::noSessionMessage}),
    caseName<SettingsCase>);

// A page of the booklet printer's web interface as a browser gets it.
struct WebPage {
    http_status_t status = HTTP_STATUS_ERROR;
    std::string body = {};
};

// GETs `path`, or POSTs `form` (already encoded) to it.
WebPage web(const std::string& path, const std::string& form = "") {
    http_t* http = httpConnect2("127.0.0.1", BookletPrinterEnvironment::port(), nullptr, AF_INET,
                                HTTP_ENCRYPTION_NEVER, 1, 5000, nullptr);
    WebPage page;
    if (!http)
        return page;
    httpClearFields(http);
    if (form.empty()) {
        httpGet(http, path.c_str());
    } else {
        httpSetField(http, HTTP_FIELD_CONTENT_TYPE, "application/x-www-form-urlencoded");
        httpSetLength(http, form.size());
        httpPost(http, path.c_str());
        httpWrite2(http, form.data(), form.size());
    }
    while ((page.status = httpUpdate(http)) == HTTP_STATUS_CONTINUE)
        ;
    char buffer[4096];
    for (ssize_t read = 0; (read = httpRead2(http, buffer, sizeof buffer)) > 0;)
        page.body.append(buffer, static_cast<std::size_t>(read));
    httpClose(http);
    return page;
}

// `fields` as a form sends them.
std::string formData(const std::vector<std::pair<std::string, std::string>>& fields) {
    std::string data;
    for (const auto& [name, value] : fields) {
        data += (data.empty() ? "" : "&") + name + "=";
        for (const unsigned char c : value) {
            if (std::isalnum(c)) {
                data += static_cast<char>(c);
            } else {
                char escaped[4];
                std::snprintf(escaped, sizeof escaped, "%%%02X", c);
                data += escaped;
            }
        }
    }
    return data;
}

// The token a page's form carries against forms sent from elsewhere.
std::string sessionToken(const std::string& page) {
    constexpr std::string_view field = "name=\"session\" value=\"";
    const auto start = page.find(field);
    if (start == std::string::npos)
        return "";
    const auto value = start + field.size();
    return page.substr(value, page.find('"', value) - value);
}

const std::string settingsPage = std::string("/") + duplexPrinter + "/opuscolo";

// A form sent to the settings page, what the page says, and the line the file then holds.
struct WebFormCase {
    const char* name;
    std::vector<std::pair<std::string, std::string>> fields;
    bool fromThePage; // with the page's token
    const char* said;
    const char* line; // null: the file is left as it was
};

class SettingsWebPage : public SettingsFile, public ::testing::WithParamInterface<WebFormCase> {};

TEST_P(SettingsWebPage, savesWhatTheJobRulesTakeToTheFile) {
    const WebFormCase& c = GetParam();
    const WebPage page = web(settingsPage);
    ASSERT_EQ(page.status, HTTP_STATUS_OK) << page.body;
    std::vector<std::pair<std::string, std::string>> fields = c.fields;
    if (c.fromThePage)
        fields.emplace_back("session", sessionToken(page.body));
    const std::string before = readFile(file_);
    const WebPage answer = web(settingsPage, formData(fields));
    const std::string after = readFile(file_);
    std::ofstream(file_) << before;
    EXPECT_EQ(answer.status, HTTP_STATUS_OK);
    EXPECT_NE(answer.body.find(c.said), std::string::npos) << answer.body;
    if (!c.line) {
        EXPECT_EQ(after, before);
        return;
    }
    EXPECT_NE(("\n" + after).find(std::string("\n") + c.line + "\n"), std::string::npos) << after;
    // The user's layout stays: the file's comments are still there.
    EXPECT_NE(after.find("# Fogli per fascicolo"), std::string::npos) << after;
}

INSTANTIATE_TEST_SUITE_P(
    Forms, SettingsWebPage,
    ::testing::Values(
        WebFormCase{"saved",
                    {{"da-destra", "s\u00ec"}, {"fascicoli", "4"}, {"anteprima", "no"}},
                    true,
                    "Impostazioni salvate",
                    "fascicoli=4"},
        WebFormCase{"signaturesRefused",
                    {{"fascicoli", "1000"}},
                    true,
                    "Valore non valido per fascicoli",
                    nullptr},
        WebFormCase{"sentFromElsewhere", {{"fascicoli", "4"}}, false, "ricarica", nullptr}),
    caseName<WebFormCase>);

TEST_F(SettingsFile, isShownOnItsPageEscaped) {
    const std::string before = readFile(file_);
    std::ofstream(file_) << "fascicoli=\"><i>3\nanteprima=no\n";
    const WebPage page = web(settingsPage);
    std::ofstream(file_) << before;
    EXPECT_EQ(page.status, HTTP_STATUS_OK);
    EXPECT_EQ(page.body.find("\"><i>3"), std::string::npos) << page.body;
    EXPECT_NE(page.body.find("value=\"&quot;>&lt;i>3\""), std::string::npos) << page.body;
    EXPECT_NE(page.body.find("value=\"no\" selected"), std::string::npos) << page.body;
}

// The settings page is linked from the printer's own page; the pages that would add or delete
// printers say that CUPS's printers are followed instead.
TEST_F(BookletPrinter, linksTheSettingsPageAndLeavesAddingPrintersToCups) {
    const WebPage printerPage = web(std::string("/") + duplexPrinter + "/");
    EXPECT_EQ(printerPage.status, HTTP_STATUS_OK);
    EXPECT_NE(printerPage.body.find(settingsPage), std::string::npos) << printerPage.body;
    for (const std::string& path :
         {std::string("/addprinter"), "/" + std::string(duplexPrinter) + "/delete"}) {
        const WebPage page = web(path);
        EXPECT_EQ(page.status, HTTP_STATUS_FORBIDDEN) << path;
        EXPECT_NE(page.body.find("seguono quelle di CUPS"), std::string::npos) << page.body;
    }
    EXPECT_EQ(web("/").body.find("/addprinter"), std::string::npos);
}

TEST_F(BookletPrinter, listensOnLoopbackOnly) {
    const std::string command =
        "ss -ltnH 'sport = :" + std::to_string(BookletPrinterEnvironment::port()) + "'";
    std::FILE* pipe = popen(command.c_str(), "r");
    ASSERT_TRUE(pipe);
    int sockets = 0;
    char line[512];
    while (std::fgets(line, sizeof line, pipe)) {
        ++sockets;
        const std::string text = line;
        EXPECT_TRUE(text.find(" 127.0.0.1:") != std::string::npos ||
                    text.find(" [::1]:") != std::string::npos)
            << text;
    }
    pclose(pipe);
    EXPECT_GE(sockets, 1);
}

TEST_F(BookletPrinter, announcesNothingByDnsSd) {
    // Every service avahi knows, resolved: "=;interface;protocol;name;type;domain;host;address;
    // port;txt". The test printers announce themselves, so avahi is reachable.
    const std::string port = std::to_string(BookletPrinterEnvironment::port());
    std::FILE* pipe = popen("avahi-browse -a -t -r -p 2>/dev/null", "r");
    ASSERT_TRUE(pipe);
    std::string services;
    char line[1024];
    while (std::fgets(line, sizeof line, pipe))
        services += line;
    pclose(pipe);
    EXPECT_NE(services.find(std::string(";") + duplexPrinter + ";"), std::string::npos) << services;
    EXPECT_EQ(services.find(";" + port + ";"), std::string::npos) << services;
}

TEST_F(BookletPrinter, followsTheDestinationsCupsHasWithAQueueEach) {
    world().administer("lpadmin -p Nuova -E -v ipp://127.0.0.1:9/ipp/print");
    EXPECT_TRUE(waitFor(
        [] {
            return quietly(
                "lpstat -l -p Opuscolo-Nuova | grep -q 'Description: Opuscolo su Nuova'");
        },
        20s));
    EXPECT_TRUE(quietly("lpstat -v Opuscolo-Nuova | grep -q 'ipp://127.0.0.1:" +
                        std::to_string(BookletPrinterEnvironment::port()) + "/ipp/print/Nuova'"));
    world().administer("lpadmin -x Nuova");
    EXPECT_TRUE(waitFor([] { return !quietly("lpstat -v Opuscolo-Nuova"); }, 20s));
}

// The default page size of the printer at `uri`, as `http` (null: the world's CUPS) says.
std::string mediaDefault(http_t* http, const std::string& uri, const std::string& resource) {
    ipp_t* request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri.c_str());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr,
                 "media-default");
    const Ipp response(cupsDoRequest(http, request, resource.c_str()));
    const char* media =
        ippGetString(ippFindAttribute(response.get(), "media-default", IPP_TAG_ZERO), 0, nullptr);
    return media ? media : "";
}

// The default page size in the PPD CUPS made for queue `queue`.
std::string ppdDefault(const std::string& queue) {
    std::ifstream ppd(world().folder() / "etc" / "ppd" / (queue + ".ppd"));
    constexpr std::string_view key = "*DefaultPageSize: ";
    for (std::string line; std::getline(ppd, line);)
        if (line.starts_with(key))
            return line.substr(key.size());
    return "";
}

// The default page sizes of the duplex printer and of its virtual printer, and the one in the
// virtual printer's queue.
struct Defaults {
    std::string real, virtualPrinter, queue;
    friend bool operator==(const Defaults&, const Defaults&) = default;
};

Defaults duplexDefaults() {
    const std::string resource = std::string("/ipp/print/") + duplexPrinter;
    http_t* http = httpConnect2("127.0.0.1", BookletPrinterEnvironment::port(), nullptr, AF_INET,
                                HTTP_ENCRYPTION_NEVER, 1, 5000, nullptr);
    Defaults defaults{
        mediaDefault(nullptr, std::string("ipp://localhost/printers/") + duplexPrinter, "/"),
        mediaDefault(
            http, "ipp://127.0.0.1:" + std::to_string(BookletPrinterEnvironment::port()) + resource,
            resource),
        ppdDefault(BookletPrinterEnvironment::queue(duplexPrinter))};
    httpClose(http);
    return defaults;
}

// A real printer's default paper changed in CUPS: its virtual printer and that printer's queue
// offer the booklet pages folded from it by default.
TEST_F(BookletPrinter, followsTheDefaultPaperOfTheRealPrinter) {
    const Defaults before = duplexDefaults();
    ASSERT_EQ(before.real, "na_letter_8.5x11in");
    ASSERT_EQ(before.virtualPrinter, "na_invoice_5.5x8.5in");
    ASSERT_NE(before.queue, "A5");
    world().administer(std::string("lpadmin -p ") + duplexPrinter +
                       " -o media-default=iso_a4_210x297mm");
    const Defaults a4{"iso_a4_210x297mm", "iso_a5_148x210mm", "A5"};
    EXPECT_TRUE(waitFor([&] { return duplexDefaults() == a4; }, 20s))
        << duplexDefaults().virtualPrinter << " " << duplexDefaults().queue;
    world().administer(std::string("lpadmin -p ") + duplexPrinter +
                       " -o media-default=" + before.real);
    EXPECT_TRUE(waitFor([&] { return duplexDefaults() == before; }, 20s))
        << duplexDefaults().virtualPrinter << " " << duplexDefaults().queue;
}

// A booklet printer of a test's own, beside the suite's, on the CUPS at `cupsServer`, stopped by
// SIGTERM when the test ends, however it ends.
class OwnBookletPrinter {
public:
    OwnBookletPrinter(const std::string& cupsServer, bool session)
        : pid_(startBookletPrinter(port_, folder_.path(), log(), cupsServer, session)) {}
    ~OwnBookletPrinter() { stop(); }
    OwnBookletPrinter(const OwnBookletPrinter&) = delete;
    OwnBookletPrinter& operator=(const OwnBookletPrinter&) = delete;

    // Stops it; how it ended, as waitpid() says.
    int stop() {
        int status = 0;
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            waitpid(pid_, &status, 0);
            pid_ = 0;
        }
        return status;
    }
    int port() const { return port_; }
    const fs::path& folder() const { return folder_.path(); }
    fs::path log() const { return folder_.path() / "stampante.log"; }

private:
    const TemporaryDirectory folder_;
    const int port_ = freePort();
    pid_t pid_;
};

// The refusal as the program says it, once: the one command is there.
constexpr std::string_view refusal = "CUPS non ha aggiunto la stampante Opuscolo-Vera";

// A CUPS that refuses the user the adding of queues: the booklet printer says so once, with the
// command, and goes on serving its virtual printer.
TEST(RefusedQueue, isSaidOnceWithTheCommandAndTheProgramServesOn) {
    const RefusingScheduler cups("Vera");
    OwnBookletPrinter printer(cups.socket(), false);
    const int port = printer.port();
    const fs::path log = printer.log();
    EXPECT_TRUE(waitFor([&] { return readFile(log).find(refusal) != std::string::npos; }, 20s))
        << readFile(log);
    // Two more looks at CUPS, which still refuses.
    std::this_thread::sleep_for(2 * 3s + 1s);
    const std::string said = readFile(log);
    std::size_t count = 0;
    for (auto at = said.find(refusal); at != std::string::npos; at = said.find(refusal, at + 1))
        ++count;
    EXPECT_EQ(count, 1u) << said;
    EXPECT_NE(said.find("sudo lpadmin -p Opuscolo-Vera -D \"Opuscolo su Vera\" -E -v ipp://"
                        "127.0.0.1:" +
                        std::to_string(port) + "/ipp/print/Vera -m everywhere"),
              std::string::npos)
        << said;
    const std::string resource = "/ipp/print/Vera";
    http_t* http =
        httpConnect2("127.0.0.1", port, nullptr, AF_INET, HTTP_ENCRYPTION_NEVER, 1, 5000, nullptr);
    EXPECT_NE(mediaDefault(http, "ipp://127.0.0.1:" + std::to_string(port) + resource, resource),
              "");
    httpClose(http);
    const int status = printer.stop();
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
}

// The command lines of the booklet windows open for a job on printer `printer`.
std::vector<std::string> jobWindows(const std::string& printer) {
    std::vector<std::string> found;
    std::error_code error;
    for (const auto& process : fs::directory_iterator("/proc", error)) {
        std::string command = readFile(process.path() / "cmdline");
        std::replace(command.begin(), command.end(), '\0', ' ');
        if (command.find(" --lavoro-di-stampa ") != std::string::npos &&
            command.find(" --stampante " + printer + " ") != std::string::npos)
            found.push_back(command);
    }
    return found;
}

// With a desktop session, a job for a printer that prints one side (a raw queue) opens the booklet
// window on its document, the real printer chosen; the job cancelled, the window goes with it.
TEST(WindowJob, opensTheBookletWindowAndEndsWithIt) {
    const RefusingScheduler cups("Vera");
    const OwnBookletPrinter printer(cups.socket(), true);
    const int port = printer.port();
    const std::string document = (printer.folder() / "tesi.pdf").string();
    writeNumberedPdf(document, std::vector<NumberedPage>(documentPages));
    ASSERT_TRUE(waitFor(
        [&] {
            const Ipp printer = askVirtualPrinter(ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES),
                                                  "Vera", nullptr, port);
            return printer && ippGetStatusCode(printer.get()) == IPP_STATUS_OK;
        },
        20s));
    ipp_t* request = ippNewRequest(IPP_OP_PRINT_JOB);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_MIMETYPE, "document-format", nullptr,
                 "application/pdf");
    ASSERT_TRUE(askVirtualPrinter(request, "Vera", document.c_str(), port));
    EXPECT_TRUE(waitFor([] { return jobWindows("Vera").size() == 1; }, 20s))
        << readFile(printer.log());
    const std::vector<VirtualJob> jobs = virtualJobs("Vera", port);
    ASSERT_EQ(jobs.size(), 1u);
    EXPECT_EQ(jobs[0].state, IPP_JSTATE_PROCESSING);
    EXPECT_EQ(jobs[0].message, printer::inWindowMessage);
    ipp_t* cancel = ippNewRequest(IPP_OP_CANCEL_JOB);
    ippAddInteger(cancel, IPP_TAG_OPERATION, IPP_TAG_INTEGER, "job-id", jobs[0].id);
    askVirtualPrinter(cancel, "Vera", nullptr, port);
    EXPECT_TRUE(waitFor([] { return jobWindows("Vera").empty(); }));
    EXPECT_TRUE(
        waitFor([&] { return virtualJobs("Vera", port).front().state == IPP_JSTATE_CANCELED; }));
}

// Sixty pages reach the real printer, within waitForJobs' bound, as one booklet of thirty sides.
// How long it takes is bench_printing's figure, measured against lp straight to the printer.
TEST_F(BookletPrinter, sixtyPagesReachTheRealPrinterAsOneBooklet) {
    const std::string path = (folder_.path() / "sessanta.pdf").string();
    writeNumberedPdf(path, std::vector<NumberedPage>(60));
    const std::size_t before = world().jobs(duplexPrinter).size();
    lp(duplexPrinter, path, "-o media=iso_a5_148x210mm");
    const std::vector<ReceivedJob> jobs = world().waitForJobs(duplexPrinter, before + 1);
    ASSERT_EQ(jobs.size(), before + 1);
    EXPECT_EQ(readPages(jobs.back().document).size(), 30u);
}

} // namespace
