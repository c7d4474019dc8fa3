#include "test_support.h"

#include "engine/engine_interface.h"

#include <gtest/gtest.h>

using namespace plicora;
using namespace plicora::engine;

namespace {

BookletJob read(const std::vector<std::string>& args) {
    const std::vector<std::string_view> views(args.begin(), args.end());
    return readArguments(views);
}

struct JobCase {
    const char* name;
    BookletJob job;
    std::vector<std::string> paths;
};

class Job : public ::testing::TestWithParam<JobCase> {};

// What a caller asks for is what the engine reads, and the files are named as the user expects.
TEST_P(Job, travelsThroughTheArgumentsWhole) {
    const JobCase& c = GetParam();
    EXPECT_EQ(read(arguments(c.job)), c.job);
    EXPECT_EQ(outputPaths(c.job), c.paths);
}

INSTANTIATE_TEST_SUITE_P(
    Jobs, Job,
    ::testing::Values(
        JobCase{"beside", {.document = "tesi.pdf"}, {"tesi-opuscolo.pdf"}},
        JobCase{"upperCaseExtension",
                {.mode = Mode::EightUp, .document = "a/TESI.PDF", .separate = true},
                {"a/TESI-fronte.pdf", "a/TESI-retro.pdf"}},
        JobCase{"namedOutput", {.document = "t.pdf", .output = "b.pdf"}, {"b.pdf"}},
        JobCase{"namedPair",
                {.document = "t.pdf", .output = "b", .separate = true, .progress = true},
                {"b-fronte.pdf", "b-retro.pdf"}},
        // A name that looks like an option is still the document.
        JobCase{"dashedDocument", {.document = "--separati"}, {"--separati-opuscolo.pdf"}}),
    plicora::testing::caseName<JobCase>);

TEST(Job, refusesWhatNoCallerSends) {
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"a.pdf"},
                                               {"--modo", "5", "a.pdf"},
                                               {"--modo", "4"},
                                               {"--modo", "4", "a.pdf", "b.pdf"},
                                               {"--modo", "4", "--uscita", "", "a.pdf"},
                                               {"--modo", "4", "--uscita"},
                                               {"--modo", "4", "-x", "a.pdf"}})
        EXPECT_THROW(read(args), UsageError) << args.size();
}

TEST(Progress, isReadBackFromItsLine) {
    const std::string line = progressLine({120, 2000});
    ASSERT_TRUE(line.ends_with('\n'));
    EXPECT_EQ(readProgressLine(std::string_view(line).substr(0, line.size() - 1)),
              (Progress{120, 2000}));
    for (const char* other : {"/tmp/a-opuscolo.pdf", "avanzamento 3", "avanzamento 5 4",
                              "avanzamento -1 4", "avanzamento 1 x"})
        EXPECT_EQ(readProgressLine(other), std::nullopt) << other;
}

} // namespace
