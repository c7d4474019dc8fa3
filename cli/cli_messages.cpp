#include "cli_messages.h"

#include "console/console.h"
#include "core/booklet_job.h"
#include "core/number_text.h"
#include "core/paper.h"
#include "core/sheet_sides.h"
#include "output/calculation.h"

namespace plicora {

std::string unexpectedArgumentMessage(std::string_view argument) {
    return "Argomento inatteso: " + echoed(argument);
}

std::string unknownOptionMessage(std::string_view option) {
    return "Opzione sconosciuta: '" + std::string(option) + "'.";
}

std::string optionWithoutCommandMessage(std::string_view option) {
    return "L'opzione " + std::string(option) +
           " va dopo un comando: plicora sequenza, plicora opuscolo o plicora prova";
}

std::string missingFileMessage(std::string_view path) {
    return "Il file non esiste: " + std::string(path);
}

std::string deviceNeedsOutputMessage(std::string_view document) {
    return "Il documento " + echoed(document) +
           " \u00e8 un dispositivo, accanto al quale non si scrive l'opuscolo: bisogna dare il "
           "nome dell'uscita con -o";
}

std::string optionTwiceMessage(std::string_view name) {
    return "L'opzione " + std::string(name.size() == 1 ? "-" : "--") + echoed(name) +
           " \u00e8 data pi\u00f9 volte: va data una volta sola";
}

std::string modeValueMessage(std::string_view value) {
    return "--modo vuole 4 oppure 8, non '" + echoed(value) + "'";
}

std::string separatorTooLongMessage() {
    return "Il separatore pu\u00f2 avere al massimo " + decimalText(separatorMaxLength) +
           " caratteri";
}

std::string signaturesValueMessage(std::string_view value) {
    return "--fascicoli vuole un numero di fogli da 1 a " + decimalText(signatureMaxSheets) +
           ", non '" + echoed(value) + "'";
}

std::string creepValueMessage(std::string_view value) {
    return "--scorrimento vuole i millimetri da 0 a " + decimalText(creepMaxMillimetres) +
           ", con la virgola o il punto e al massimo due decimali (per esempio 1,5), non '" +
           echoed(value) + "'";
}

std::string marginValueMessage(std::string_view value) {
    return "--margine vuole i millimetri da 0 a " + decimalText(marginMaxMillimetres) +
           ", con la virgola o il punto e al massimo due decimali (per esempio 4,5), non '" +
           echoed(value) + "'";
}

std::string paperValueMessage(std::string_view value) {
    std::string names;
    for (const NamedPaper& paper : namedPapers)
        names += std::string(paper.name) + ", ";
    return "--carta vuole " + names + "oppure LARGHEZZAxALTEZZA in millimetri interi, da " +
           decimalText(paperMinMillimetres) + " a " + decimalText(paperMaxMillimetres) +
           " per lato (per esempio 320x450), non '" + std::string(value) + "'";
}

std::string edgeValueMessage(std::string_view value) {
    return "--bordo vuole corto oppure lungo, non '" + echoed(value) + "'";
}

std::string copiesValueMessage(std::string_view value) {
    return "--copie vuole un numero da 1 a " + decimalText(copiesMax) + ", non '" + echoed(value) +
           "'";
}

std::string creepFourUpOnlyMessage() {
    const std::string fourUp = decimalText(pagesPerSheet(Mode::FourUp));
    return "--scorrimento vale solo per l'opuscolo a " + fourUp + " pagine per foglio (--modo " +
           fourUp + ")";
}

} // namespace plicora
