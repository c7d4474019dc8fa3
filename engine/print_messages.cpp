#include "print_messages.h"

#include "files/file_error.h"

namespace plicora::engine {
namespace {

// A printer's name as a terminal can show it: a name may hold any byte.
std::string shown(std::string_view printer) {
    return shownPath(printer);
}

std::string quoted(std::string_view printer) {
    return "\u00ab" + shown(printer) + "\u00bb";
}

// CUPS's reason after a message, when it gave one.
std::string because(std::string_view reason) {
    return reason.empty() ? std::string() : " (" + shown(reason) + ")";
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

std::string unreachablePrinterMessage(std::string_view printer) {
    return "La stampante " + quoted(printer) +
           " non risponde: \u00e8 annunciata in rete, ma non la si raggiunge";
}

std::string printerUnansweredMessage(std::string_view printer, std::string_view reason) {
    return "CUPS non sa dire che cosa fa la stampante " + quoted(printer) + because(reason);
}

std::string paperNotOnPrinterMessage(std::string_view printer, std::string_view paper,
                                     const std::vector<std::string>& papers) {
    std::string listed;
    for (const std::string& name : papers)
        listed += (listed.empty() ? "" : ", ") + shown(name);
    return "La stampante " + quoted(printer) + " non ha la carta " + std::string(paper) + ": ha " +
           listed + "; sceglierne una con --carta";
}

std::string testSheetNotNeededMessage(std::string_view printer) {
    return "Il foglio di prova non serve con la stampante " + quoted(printer) +
           ": stampa da s\u00e9 in fronte-retro, e Plicora le manda i retri gi\u00e0 girati come "
           "li gira lei";
}

std::string heldJobMessage(std::string_view printer, int job, std::string_view reason) {
    return "Il lavoro " + shown(printer) + "-" + std::to_string(job) +
           " \u00e8 trattenuto da CUPS: si stampa quando lo si rilascia (per esempio con "
           "lp -i " +
           shown(printer) + "-" + std::to_string(job) + " -H resume)" + because(reason);
}

std::string queuedJobMessage(std::string_view printer, int job, int ahead,
                             std::string_view reason) {
    return "Il lavoro " + shown(printer) + "-" + std::to_string(job) + " aspetta in coda dietro " +
           (ahead == 1 ? std::string("un altro lavoro: si stampa quando la stampante lo ha finito")
                       : std::to_string(ahead) +
                             " altri lavori: si stampa quando la stampante li ha finiti") +
           because(reason);
}

std::string jobFailedMessage(std::string_view printer, int job, std::string_view reason) {
    return "Il lavoro " + shown(printer) + "-" + std::to_string(job) +
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

std::string jobSentLine(std::string_view printer, int job, std::string_view what,
                        std::string_view paper) {
    return "Inviato alla stampante " + shown(printer) + ": lavoro " + shown(printer) + "-" +
           std::to_string(job) + " (" + std::string(what) + ", su carta " + std::string(paper) +
           ")";
}

std::string printerListLine(std::string_view printer, bool isDefault, std::string_view plan,
                            std::string_view paper) {
    return shown(printer) + "\t" + (isDefault ? "predefinita" : "") + "\t" + std::string(plan) +
           "\t" + std::string(paper);
}

std::string paperOnPrinterText(std::string_view paper) {
    return paper.empty() ? "carta non indicata" : "carta " + shown(paper);
}

} // namespace plicora::engine
