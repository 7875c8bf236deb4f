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

TEST(RunnerOptions, DefaultsWithoutArguments)
{
    const RunnerOptions options = Read({});
    EXPECT_TRUE(options.layout565);
    EXPECT_TRUE(options.failures.empty());
    EXPECT_TRUE(options.framesDir.empty());
    EXPECT_EQ(options.every, 1);
    EXPECT_EQ(options.maxFrames, 0);
    EXPECT_EQ(options.wallClock, 0);
    EXPECT_FALSE(options.trace);
    EXPECT_TRUE(options.scriptPath.empty());
}

TEST(RunnerOptions, EveryOption)
{
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

TEST(RunnerOptions, EveryFailableCallByName)
{
    const char* names[] = {"RegisterClassA",      "DirectDrawCreate",       "SetCooperativeLevel",
                           "SetDisplayMode",      "CreateSurface",          "GetAttachedSurface",
                           "FSOUND_Init",         "FSOUND_GetVersion",      "FSOUND_Sample_LoadWav",
                           "FSOUND_Stream_OpenMpeg"};
    for (const char* name : names) {
        host::Call call;
        EXPECT_TRUE(FailableCallNamed(name, &call)) << name;
    }
    host::Call first, second;
    ASSERT_TRUE(FailableCallNamed("SetDisplayMode", &first));
    ASSERT_TRUE(FailableCallNamed("SetCooperativeLevel", &second));
    EXPECT_NE(first, second);
}

TEST(RunnerOptions, BadArgumentsAreRefused)
{
    Refusal({"--layout"});
    Refusal({"--layout", "888"});
    Refusal({"--fail", "FlipSurface"});
    Refusal({"--fail", "CreateSurface:0"});
    Refusal({"--fail", "CreateSurface:"});
    Refusal({"--fail", "CreateSurface:x"});
    Refusal({"--every", "0"});
    Refusal({"--every", "-2"});
    Refusal({"--max-frames", "ten"});
    Refusal({"--time", "-1"});
    Refusal({"--time", "12s"});
    Refusal({"--frames"});
    Refusal({"--verbose"});
    EXPECT_NE(Refusal({"a.txt", "b.txt"}).find("b.txt"), std::string::npos);
}
