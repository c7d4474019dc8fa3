#include "console.h"

#include "core/user_error.h"
#include "files/file_messages.h"
#include "files/standard_streams.h"

#include <cstdio>

namespace plicora {

void printOut(std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
}

void printErrorLine(std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), stderr);
    std::fputc('\n', stderr);
}

void printError(std::string_view message) {
    std::fwrite(commandLinePrefix.data(), 1, commandLinePrefix.size(), stderr);
    printErrorLine(message);
}

int exitStatus(int status) {
    const OutputEnd end = finishStandardOutput();
    if (end == OutputEnd::Failed)
        printError(standardOutputFailedMessage);
    return end == OutputEnd::Written ? status : exitFailure;
}

} // namespace plicora
