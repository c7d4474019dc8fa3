#pragma once

#include "engine_protocol.h"

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

typedef struct _http_s http_t;
typedef struct cups_dest_s cups_dest_t;
typedef struct _cups_dinfo_s cups_dinfo_t;

namespace plicora::engine {

// A connection to the CUPS scheduler CUPS_SERVER (or the client's configuration) names, on which
// every exchange gives up after a few seconds without an answer.
class Scheduler {
public:
    // Connects; throws UserError when no scheduler answers.
    Scheduler();
    ~Scheduler();
    Scheduler(const Scheduler&) = delete;
    Scheduler& operator=(const Scheduler&) = delete;

    http_t* http() const { return http_; }
    // Whether every exchange so far was answered in time.
    bool answered() const { return !silent_; }
    // Throws UserError saying that CUPS doesn't answer, when the last exchange timed out.
    void requireAnswered() const;
    // CUPS's reason for the exchange that just failed; a failure of the connection itself (which
    // CUPS words as the system's error) is said in Italian instead.
    std::string reason() const;

private:
    static int giveUp(http_t* http, void* scheduler);

    http_t* http_ = nullptr;
    bool silent_ = false;
};

// The printers CUPS knows, instances included, the default one marked: what a queue of the
// scheduler can do is asked of the scheduler; a printer only found on the network is listed
// unknown, since asking it may wait on the network. Throws UserError when no CUPS scheduler
// answers.
std::vector<Printer> cupsPrinters();

// A CUPS destination ready to take jobs.
class CupsDestination {
public:
    // The destination named `name` ("NAME/INSTANCE" for an instance), what it can do asked of it.
    // Throws UserError, naming it, when CUPS doesn't know it or can't reach it, when it is
    // stopped or refuses jobs (with CUPS's reason), and when no scheduler answers.
    explicit CupsDestination(const std::string& name);

    // What the destination can do.
    const Printer& printer() const { return printer_; }

    // The widest of the margins the printer can't print on `paper`, in hundredths of a
    // millimetre; 0 when it doesn't say.
    int margin(const Paper& paper);

    // Sends the PDF in `file` (read from its start) as one job titled `title`, on `media`,
    // unscaled, printed on `sides` (an IPP keyword), `copies` times collated, with the user's
    // other defaults for the destination. Returns the job's id once CUPS has taken it all;
    // throws UserError naming the printer and CUPS's reason.
    int send(std::FILE* file, const std::string& title, const std::string& media, const char* sides,
             int copies);

    // Where job `id` is, and what CUPS says of it or its printer. Throws UserError with CUPS's
    // reason when the job was stopped, cancelled or aborted.
    JobStatus status(int id);

    // How many jobs wait to print before job `id`, or are printing.
    int jobsAhead(int id);

    // Takes job `id` back from CUPS, whatever state it is in.
    void cancel(int id);

private:
    struct FreeDest {
        void operator()(cups_dest_t* dest) const;
    };
    struct FreeInfo {
        void operator()(cups_dinfo_t* info) const;
    };

    void requireReady();

    Scheduler scheduler_;
    std::unique_ptr<cups_dest_t, FreeDest> dest_;
    std::unique_ptr<cups_dinfo_t, FreeInfo> info_;
    Printer printer_;
};

} // namespace plicora::engine
