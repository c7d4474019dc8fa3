#pragma once

#include <string>
#include <string_view>

// What printing tells the user, in Italian; `printer` is a CUPS destination's name and `reason`
// CUPS's own words.
namespace plicora::engine {

// `server` is where CUPS was looked for.
std::string noSchedulerMessage(std::string_view server);
std::string unknownPrinterMessage(std::string_view printer);
std::string stoppedPrinterMessage(std::string_view printer, std::string_view reason);
std::string refusingPrinterMessage(std::string_view printer, std::string_view reason);
std::string sendFailedMessage(std::string_view printer, std::string_view reason);
std::string jobFailedMessage(std::string_view printer, int job, std::string_view reason);
// The job asks for an edge the printer doesn't turn on.
std::string missingEdgeMessage(std::string_view printer, bool shortEdge);
// A printer without duplex, and no terminal to ask the user to put the stack back.
std::string oneSidedWithoutTerminalMessage(std::string_view printer);
// Asks, on the terminal, to put the printed fronts back.
inline constexpr const char* putTheStackBackPrompt =
    "Quando sono usciti tutti i fronti, rimetti la pila nel vassoio come i fogli di prova (per "
    "la maggior parte delle stampanti: girata sul lato corto), poi premi Invio per stampare i "
    "retri (Ctrl+D per non stamparli).";
// The backs were not asked for.
inline constexpr const char* backsNotSentMessage =
    "Retri non stampati: nulla inviato dopo i fronti";
// The line naming the job the printer took; `what` says which part of the booklet it is.
std::string jobSentLine(std::string_view printer, int job, std::string_view what);

// What each job is, in jobSentLine.
inline constexpr const char* shortEdgeJobText = "fronte-retro sul lato corto";
inline constexpr const char* longEdgeJobText = "fronte-retro sul lato lungo, retri capovolti";
inline constexpr const char* frontsJobText = "i fronti";
inline constexpr const char* backsJobText = "i retri";

} // namespace plicora::engine
