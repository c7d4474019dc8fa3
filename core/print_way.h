#pragma once

#include "booklet_job.h"

#include <optional>
#include <string>
#include <vector>

namespace plicora {

// What a printer CUPS knows can do, as far as a booklet needs.
struct Printer {
    std::string name; // a CUPS destination, "NAME/INSTANCE" for an instance
    bool isDefault = false;
    bool shortEdge = false; // duplex, turning on the short edge
    bool longEdge = false;  // duplex, turning on the long edge
    // Whether what it can do was asked: a printer found on the network is only listed until it
    // is chosen, since asking it may wait on the network.
    bool known = true;
    std::string defaultMedia = {};       // its default paper, as printers name media; or none
    std::vector<std::string> media = {}; // the media it lists; none when it doesn't say
    // The widest margin it can't print on each of `media`, in hundredths of a millimetre; none
    // when not asked.
    std::vector<int> margins = {};
    friend bool operator==(const Printer&, const Printer&) = default;
};

// How a booklet goes onto a printer's paper.
enum class PrintWay {
    ShortEdge, // one job, both sides, turned on the short edge
    LongEdge,  // one job, both sides, turned on the long edge with every back turned
    ByHand,    // the fronts, then the stack put back by hand, then the backs
};

// How `job` prints on `printer`: the edge the job asks for, else the short edge where the
// printer has it, then the long one; by hand without duplex, and always for the test sheet.
// Nothing when the printer lacks the edge the job asks for.
std::optional<PrintWay> printWay(const BookletJob& job, const Printer& printer);

} // namespace plicora
