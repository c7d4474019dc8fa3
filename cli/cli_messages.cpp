#include "cli_messages.h"

#include "core/number_text.h"
#include "core/sheet_sides.h"
#include "engine/engine_interface.h"
#include "output/calculation.h"

namespace plicora {

std::string unexpectedArgumentMessage(std::string_view argument) {
    return "Argomento inatteso: " + std::string(argument);
}

std::string modeValueMessage(std::string_view value) {
    return "--modo vuole 4 oppure 8, non '" + std::string(value) + "'";
}

std::string separatorTooLongMessage() {
    return "Il separatore pu\u00f2 avere al massimo " + decimalText(separatorMaxLength) +
           " caratteri";
}

std::string signaturesValueMessage(std::string_view value) {
    return "--fascicoli vuole un numero di fogli da 1 a " + decimalText(signatureMaxSheets) +
           ", non '" + std::string(value) + "'";
}

std::string creepValueMessage(std::string_view value) {
    return "--scorrimento vuole i millimetri da 0 a " + decimalText(engine::creepMaxMillimetres) +
           ", con la virgola o il punto e al massimo due decimali (per esempio 1,5), non '" +
           std::string(value) + "'";
}

std::string edgeValueMessage(std::string_view value) {
    return "--bordo vuole corto oppure lungo, non '" + std::string(value) + "'";
}

std::string copiesValueMessage(std::string_view value) {
    return "--copie vuole un numero da 1 a " + decimalText(engine::copiesMax) + ", non '" +
           std::string(value) + "'";
}

std::string creepFourUpOnlyMessage() {
    const std::string fourUp = decimalText(pagesPerSheet(Mode::FourUp));
    return "--scorrimento vale solo per l'opuscolo a " + fourUp + " pagine per foglio (--modo " +
           fourUp + "): i fogli a " + decimalText(pagesPerSheet(Mode::EightUp)) +
           " pagine non si piegano uno dentro l'altro";
}

} // namespace plicora
