#include "printer_messages.h"

#include "console/console.h"

namespace plicora::printer {

std::string badPortMessage(std::string_view value) {
    return "--porta vuole un numero da 1 a 65535, non \"" + echoed(value) + "\"";
}

std::string missingValueMessage(std::string_view option) {
    return "Manca il valore dopo " + std::string(option);
}

std::string unknownOptionMessage(std::string_view option) {
    return "Opzione sconosciuta: " + echoed(option);
}

std::string folderFailedMessage(std::string_view folder, std::string_view reason) {
    return "Impossibile preparare la cartella " + std::string(folder) + ": " + std::string(reason);
}

std::string listenFailedMessage(int port) {
    return "Impossibile ascoltare sulla porta " + std::to_string(port) +
           " di 127.0.0.1: forse plicora-stampante \u00e8 gi\u00e0 in funzione";
}

std::string printerDescription(std::string_view printer) {
    return "Opuscolo su " + std::string(printer);
}

std::string queueRefusedMessage(std::string_view queue, std::string_view reason,
                                std::string_view command) {
    return "CUPS non ha aggiunto la stampante " + std::string(queue) + " (" + std::string(reason) +
           "). Un amministratore la aggiunge con: " + std::string(command);
}

std::string missingProgramMessage(std::string_view program) {
    return "manca il programma " + std::string(program);
}

std::string oneSidedRefusedMessage(std::string_view printer) {
    return "La stampante " + std::string(printer) +
           " stampa su un solo lato: l'opuscolo va stampato a mano, rimettendo la pila nel "
           "vassoio tra fronti e retri, e senza una sessione grafica Plicora non pu\u00f2 "
           "guidarti a farlo. Apri il PDF con Plicora e stampa da l\u00ec.";
}

std::string unknownPageSizeMessage(std::string_view media) {
    return "Nessun foglio per pagine di formato " + std::string(media) +
           ": scegli pagine A5, A6, A4 o mezza Letter";
}

std::string settingsFailedMessage(std::string_view path, std::string_view reason) {
    return "Impossibile leggere le impostazioni " + std::string(path) + ": " + std::string(reason);
}

std::string settingsLineMessage(std::string_view path, int line, std::string_view text) {
    return "Riga " + std::to_string(line) + " di " + std::string(path) +
           " non \u00e8 chiave=valore con una chiave nota: \"" + echoed(text) + "\"";
}

std::string settingsValueMessage(std::string_view path, std::string_view key,
                                 std::string_view value) {
    return "Valore non valido per " + std::string(key) + " in " + std::string(path) + ": \"" +
           echoed(value) + "\"";
}

std::string settingsSaveFailedMessage(std::string_view path, std::string_view reason) {
    return "Impossibile salvare le impostazioni " + std::string(path) + ": " + std::string(reason);
}

std::string printingOnMessage(std::string_view printer) {
    return "In stampa su " + std::string(printer);
}

} // namespace plicora::printer
