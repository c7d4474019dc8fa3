#include "test_support.h"

#include "console/console.h"
#include "console/failure.h"
#include "files/file_error.h"
#include "files/file_messages.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <functional>
#include <new>

using namespace plicora;

namespace {

struct LadderCase {
    const char* name;
    std::function<void()> fail;
    Failure failure;
};

class CatchLadder : public ::testing::TestWithParam<LadderCase> {};

// Whatever a command throws ends in one status and one Italian message, never in a crash.
TEST_P(CatchLadder, givesEachExceptionItsStatusAndMessage) {
    const LadderCase& c = GetParam();
    Failure failure;
    try {
        c.fail();
    } catch (...) {
        failure = currentFailure();
    }
    EXPECT_EQ(failure, c.failure);
    EXPECT_EQ(runReporting(
                  [&] {
                      c.fail();
                      return exitSuccess;
                  },
                  errorLinePrefix),
              c.failure.status);
}

INSTANTIATE_TEST_SUITE_P(
    Exceptions, CatchLadder,
    ::testing::Values(
        LadderCase{"usage",
                   [] { throw UsageError("Manca il documento"); },
                   {exitUsage, "Manca il documento"}},
        LadderCase{"user",
                   [] { throw UserError("Il documento PDF non contiene pagine"); },
                   {exitFailure, "Il documento PDF non contiene pagine"}},
        LadderCase{
            "fileWithPathAndReason",
            [] { throw FileError(cannotOpenMessage, "a/b.pdf", ENOENT); },
            {exitFailure, std::string(cannotOpenMessage) + " (a/b.pdf: Cartella inesistente)"}},
        LadderCase{"memory", [] { throw std::bad_alloc(); }, {exitFailure, outOfMemoryText}},
        LadderCase{"library",
                   [] { throw std::logic_error("max object id"); },
                   {exitFailure, "Errore imprevisto: max object id"}},
        LadderCase{"notAnException", [] { throw 42; }, {exitFailure, "Errore imprevisto"}}),
    plicora::testing::caseName<LadderCase>);

} // namespace
