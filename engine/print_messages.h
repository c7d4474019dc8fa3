#pragma once

#include <string>
#include <string_view>
#include <vector>

// What printing tells the user, in Italian; `printer` is a CUPS destination's name and `reason`
// CUPS's own words.
namespace plicora::engine {

// `server` is where CUPS was looked for.
std::string noSchedulerMessage(std::string_view server);
// CUPS's reason when the connection to the scheduler failed under way.
inline constexpr const char* connectionLostText = "il collegamento con CUPS si \u00e8 interrotto";
std::string unknownPrinterMessage(std::string_view printer);
// A printer found on the network that doesn't answer.
std::string unreachablePrinterMessage(std::string_view printer);
// CUPS could not say what a printer of its own can do.
std::string printerUnansweredMessage(std::string_view printer, std::string_view reason);
// The printer doesn't list `paper`; `papers` are the ones it lists (none: it lists none).
std::string paperNotOnPrinterMessage(std::string_view printer, std::string_view paper,
                                     const std::vector<std::string>& papers);
// The test sheet asked of a duplex printer, which needs none.
std::string testSheetNotNeededMessage(std::string_view printer);
// A job CUPS holds back, on a terminal.
std::string heldJobMessage(std::string_view printer, int job, std::string_view reason);
// Job `job` waits behind `ahead` others on `printer`, on a terminal.
std::string queuedJobMessage(std::string_view printer, int job, int ahead, std::string_view reason);
std::string stoppedPrinterMessage(std::string_view printer, std::string_view reason);
std::string refusingPrinterMessage(std::string_view printer, std::string_view reason);
std::string sendFailedMessage(std::string_view printer, std::string_view reason);
std::string jobFailedMessage(std::string_view printer, int job, std::string_view reason);
// The job asks for an edge the printer doesn't turn on.
std::string missingEdgeMessage(std::string_view printer, bool shortEdge);
// A printer without duplex, and no terminal to ask the user to put the stack back.
std::string oneSidedWithoutTerminalMessage(std::string_view printer);
// Asks, on the terminal, to put the printed fronts back; the second once the test sheet has
// shown how (its answer given with the backs' options).
inline constexpr const char* putTheStackBackPrompt =
    "Quando sono usciti tutti i fronti, rimetti la pila nel vassoio girata sul lato corto (come "
    "va per la maggior parte delle stampanti), poi premi Invio per stampare i retri (Ctrl+D per "
    "non stamparli).";
inline constexpr const char* putTheStackBackAfterTestPrompt =
    "Quando sono usciti tutti i fronti, rimetti la pila nel vassoio come i fogli di prova, poi "
    "premi Invio per stampare i retri (Ctrl+D per non stamparli).";
// The backs were not asked for.
inline constexpr const char* backsNotSentMessage =
    "Retri non stampati: nulla inviato dopo i fronti";
// The line naming the job the printer took; `what` says which part of the booklet it is, `paper`
// the paper it is printed on.
std::string jobSentLine(std::string_view printer, int job, std::string_view what,
                        std::string_view paper);

// A line of `plicora stampanti`: the printer's name, "predefinita" when it is the default, what
// Plicora does there (`plan`) and its paper, separated by tabs.
std::string printerListLine(std::string_view printer, bool isDefault, std::string_view plan,
                            std::string_view paper);
// What `plicora stampanti` says of a printer it has not asked.
inline constexpr const char* unknownPlanText =
    "da verificare: trovata in rete, la si interroga quando la si sceglie";
inline constexpr const char* unknownPaperText = "carta da verificare";
inline constexpr const char* byHandPlanText = "a mano: prima i fronti, poi i retri";
// A printer's default paper, named as the command line names papers when it is one of them.
std::string paperOnPrinterText(std::string_view paper);

// What each job is, in jobSentLine.
inline constexpr const char* shortEdgeJobText = "fronte-retro sul lato corto";
inline constexpr const char* longEdgeJobText = "fronte-retro sul lato lungo, retri capovolti";
inline constexpr const char* frontsJobText = "i fronti";
inline constexpr const char* backsJobText = "i retri";

} // namespace plicora::engine
