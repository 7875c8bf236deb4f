// The headless runner's command line.
#include "runner_options.h"

#include <gtest/gtest.h>

namespace {

RunnerOptions Read(const std::vector<std::string>& args)
{
    RunnerOptions options;
    std::string error;
    EXPECT_TRUE(ParseRunnerOptions(args, &options, &error)) << error;
    return options;
}

std::string Refusal(const std::vector<std::string>& args)
{
    RunnerOptions options;
    std::string error;
    EXPECT_FALSE(ParseRunnerOptions(args, &options, &error));
    EXPECT_FALSE(error.empty());
    return error;
}

}  // namespace

TEST(RunnerOptions, EveryOption)
{
    const RunnerOptions none = Read({});
    EXPECT_TRUE(none.layout565);
    EXPECT_EQ(none.every, 1);
    const RunnerOptions options =
        Read({"--layout", "555", "--fail", "CreateSurface:3", "--fail", "FSOUND_Init", "--frames",
              "out", "--every", "10", "--max-frames", "500", "--time", "1700000000", "--trace",
              "game.txt"});
    EXPECT_FALSE(options.layout565);
    ASSERT_EQ(options.failures.size(), 2u);
    EXPECT_EQ(options.failures[0].call, host::Call::CreateSurface);
    EXPECT_EQ(options.failures[0].nth, 3);
    EXPECT_EQ(options.failures[1].call, host::Call::FSOUND_Init);
    EXPECT_EQ(options.failures[1].nth, 1);
    EXPECT_EQ(options.framesDir, "out");
    EXPECT_EQ(options.every, 10);
    EXPECT_EQ(options.maxFrames, 500);
    EXPECT_EQ(options.wallClock, 1700000000);
    EXPECT_TRUE(options.trace);
    EXPECT_EQ(options.scriptPath, "game.txt");
}

TEST(RunnerOptions, BadArgumentsAreRefused)
{
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"--layout"}, {"--layout", "888"}, {"--fail", "FlipSurface"}, {"--fail", "CreateSurface:0"},
             {"--fail", "CreateSurface:"}, {"--fail", "CreateSurface:x"}, {"--every", "0"}, {"--every", "-2"},
             {"--max-frames", "ten"}, {"--time", "-1"}, {"--time", "12s"}, {"--frames"}, {"--verbose"}})
        Refusal(args);
    EXPECT_NE(Refusal({"a.txt", "b.txt"}).find("b.txt"), std::string::npos);
}
