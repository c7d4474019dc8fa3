#pragma once

#include "engine_protocol.h"

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

typedef struct cups_dest_s cups_dest_t;
typedef struct _cups_dinfo_s cups_dinfo_t;

namespace plicora::engine {

// The printers CUPS knows, the default one marked, with the duplex each has. Throws UserError
// when no CUPS scheduler answers.
std::vector<Printer> cupsPrinters();

// A CUPS destination ready to take jobs, through the scheduler CUPS_SERVER (or the client's
// configuration) names.
class CupsDestination {
public:
    // The destination named `name`. Throws UserError, naming it, when CUPS doesn't know it, when
    // it is stopped or refuses jobs (with CUPS's reason), and when no scheduler answers.
    explicit CupsDestination(const std::string& name);

    // What the destination can do.
    const Printer& printer() const { return printer_; }

    // Sends the PDF in `file` (read from its start) as one job titled `title`, on `media`,
    // unscaled, printed on `sides` (an IPP keyword), `copies` times collated. Returns the
    // job's id once CUPS has taken it all; throws UserError naming the printer and CUPS's reason.
    int send(std::FILE* file, const std::string& title, const std::string& media, const char* sides,
             int copies);

    // Where job `id` is, and what CUPS says of its printer. Throws UserError with CUPS's reason
    // when the job was stopped, cancelled or aborted.
    JobStatus status(int id);

    // Takes job `id` back from CUPS, whatever state it is in.
    void cancel(int id);

private:
    struct FreeDest {
        void operator()(cups_dest_t* dest) const;
    };
    struct FreeInfo {
        void operator()(cups_dinfo_t* info) const;
    };

    std::unique_ptr<cups_dest_t, FreeDest> dest_;
    std::unique_ptr<cups_dinfo_t, FreeInfo> info_;
    Printer printer_;
};

} // namespace plicora::engine
