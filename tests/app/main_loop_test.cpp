// The ways the main loop ends, one message per iteration, and the exit codes, on the real
// program run by tumblox-headless.
#include <gtest/gtest.h>

#include <algorithm>

#include "game_folder.h"

TEST(MainLoop, EachEndingTakesItsFramesAndExitCode)
{
    constexpr int kIntroFrames = 7;
    struct Ending {
        const char* what;
        const char* script;
        std::vector<std::string> args;
        int frames;
        int status;
    };
    const Ending endings[] = {
        // A close posted during the first tick lets that iteration's tick run.
        {"close", "8 close\n", {}, kIntroFrames + 2, 0},
        {"destroy", "8 destroy\n", {}, kIntroFrames + 2, 0},
        // The iteration that takes a quit has no tick.
        {"quit", "8 quit 7\n", {}, kIntroFrames + 1, 7},
        // 1040 routes through entry 1024 and leaves the game running.
        {"messages above 1024", "8 message 1025\n8 message 1040\n20 close\n", {}, 21, 0},
        // Three messages queued before the close: each takes an iteration and its tick.
        {"one message an iteration", "8 message 1025\n8 message 1025\n8 message 1025\n8 close\n",
         {}, kIntroFrames + 5, 0},
        // The key-down message (wParam VK_ESCAPE) is taken by the first iteration, whose tick
        // then sees Escape.
        {"escape tapped", "7 tap escape\n", {}, kIntroFrames + 1, 0x1B},
        // Seen by the first tick's key test before any message was taken from the queue.
        {"escape before any message", "8 down escape\n", {}, kIntroFrames + 1, 0},
        {"frame limit", "", {"--max-frames", "12"}, 13, 0},
    };
    const GameFolder folder;
    for (const Ending& ending : endings) {
        SCOPED_TRACE(ending.what);
        std::vector<std::string> args = ending.args;
        args.push_back("--trace");
        const HeadlessRun run = folder.Run(args, ending.script);
        EXPECT_EQ(run.FrameCount(), ending.frames);
        EXPECT_EQ(run.status, ending.status);
        ASSERT_FALSE(run.lines.empty());
        EXPECT_EQ(run.lines.back(), "exit " + std::to_string(ending.status));
        // Only the safety stop says so, once, before the exit line.
        const bool limited = !ending.args.empty();
        EXPECT_EQ(std::count(run.lines.begin(), run.lines.end(), "limit 12"), limited ? 1 : 0);
    }
}
