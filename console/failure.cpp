#include "failure.h"

#include "console.h"
#include "files/file_error.h"

#include <exception>
#include <new>

namespace plicora {

Failure currentFailure() {
    try {
        throw;
    } catch (const UsageError& error) {
        return {exitUsage, error.what()};
    } catch (const UserError& error) {
        return {exitFailure, errorText(error)};
    } catch (const std::bad_alloc&) {
        return {exitFailure, outOfMemoryText};
    } catch (const std::exception& error) {
        // Whatever a library throws that no message foresaw still ends in a message, not a crash.
        return {exitFailure, std::string(unexpectedErrorText) + ": " + error.what()};
    } catch (...) {
        return {exitFailure, std::string(unexpectedErrorText)};
    }
}

int runReporting(const std::function<int()>& command, std::string_view prefix,
                 std::string_view usageHint) {
    try {
        return command();
    } catch (...) {
        const Failure failure = currentFailure();
        printErrorLine(std::string(prefix) + failure.message);
        if (failure.status == exitUsage && !usageHint.empty())
            printErrorLine(usageHint);
        return failure.status;
    }
}

} // namespace plicora
