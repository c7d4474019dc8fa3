#include "print_messages.h"

namespace plicora::engine {
namespace {

std::string quoted(std::string_view printer) {
    return "\u00ab" + std::string(printer) + "\u00bb";
}

// CUPS's reason after a message, when it gave one.
std::string because(std::string_view reason) {
    return reason.empty() ? std::string() : " (" + std::string(reason) + ")";
}

} // namespace

std::string noSchedulerMessage(std::string_view server) {
    return "Nessun servizio di stampa raggiungibile: CUPS non risponde" + because(server);
}

std::string unknownPrinterMessage(std::string_view printer) {
    return "La stampante " + quoted(printer) + " non \u00e8 conosciuta da CUPS";
}

std::string stoppedPrinterMessage(std::string_view printer, std::string_view reason) {
    return "La stampante " + quoted(printer) + " \u00e8 ferma" + because(reason);
}

std::string refusingPrinterMessage(std::string_view printer, std::string_view reason) {
    return "La stampante " + quoted(printer) + " non accetta lavori" + because(reason);
}

std::string sendFailedMessage(std::string_view printer, std::string_view reason) {
    return "Impossibile inviare l'opuscolo alla stampante " + quoted(printer) + because(reason);
}

std::string jobFailedMessage(std::string_view printer, int job, std::string_view reason) {
    return "Il lavoro " + std::string(printer) + "-" + std::to_string(job) +
           " non \u00e8 stato stampato" + because(reason);
}

std::string missingEdgeMessage(std::string_view printer, bool shortEdge) {
    return "La stampante " + quoted(printer) + " non stampa in fronte-retro sul lato " +
           (shortEdge ? "corto" : "lungo") + ": scegliere l'altro con --bordo, o non dare --bordo";
}

std::string oneSidedWithoutTerminalMessage(std::string_view printer) {
    return "La stampante " + quoted(printer) +
           " stampa su un solo lato: per rimettere la pila nel vassoio fra fronti e retri, "
           "eseguire il comando da un terminale, oppure scrivere i due file con --separati e "
           "stamparli uno dopo l'altro";
}

std::string jobSentLine(std::string_view printer, int job, std::string_view what) {
    return "Inviato alla stampante " + std::string(printer) + ": lavoro " + std::string(printer) +
           "-" + std::to_string(job) + " (" + std::string(what) + ")";
}

} // namespace plicora::engine
