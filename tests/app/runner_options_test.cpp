// The headless runner's command line: what it refuses. What each option does is seen in the
// whole-program runs.
#include "runner_options.h"

#include <gtest/gtest.h>

namespace {

std::string Refusal(const std::vector<std::string>& args)
{
    RunnerOptions options;
    std::string error;
    EXPECT_FALSE(ParseRunnerOptions(args, &options, &error)) << args[0];
    EXPECT_FALSE(error.empty());
    return error;
}

}  // namespace

TEST(RunnerOptions, BadArgumentsAreRefused)
{
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"--layout"}, {"--layout", "888"}, {"--fail", "FlipSurface"},
             {"--fail", "CreateSurface:0"}, {"--fail", "CreateSurface:x"}, {"--every", "0"},
             {"--max-frames", "ten"}, {"--time", "-1"}, {"--time", "12s"}, {"--frames"},
             {"--verbose"}}) {
        Refusal(args);
    }
    EXPECT_NE(Refusal({"a.txt", "b.txt"}).find("b.txt"), std::string::npos);
}
