#include "cli_messages.h"

#include "core/number_text.h"
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

} // namespace plicora
