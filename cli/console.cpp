#include "console.h"

#include "core/user_error.h"
#include "files/file_writer.h"

#include <cstdio>

namespace plicora {

void printOut(std::string_view text) {
    writeOutput(fileno(stdout), text);
}

void printErrorLine(std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), stderr);
    std::fputc('\n', stderr);
}

void printError(std::string_view message) {
    std::fwrite(commandLinePrefix.data(), 1, commandLinePrefix.size(), stderr);
    printErrorLine(message);
}

} // namespace plicora
