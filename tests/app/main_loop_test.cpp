// The ways the main loop ends, one message per iteration, and the exit codes, on the real
// program run by tumblox-headless.
#include <gtest/gtest.h>

#include <algorithm>

#include "game_folder.h"

TEST(MainLoop, EachEndingTakesItsFramesAndExitCode)
{
    constexpr int kIntroFrames = 7;
    const struct {
        const char* what;
        const char* script;
        int frames;
        int status;
    } endings[] = {
        // A destroy posted during the first tick lets that iteration's tick run, as a close does.
        {"destroy", "8 destroy\n", kIntroFrames + 2, 0},
        // The iteration that takes a quit has no tick; its wParam is the exit code.
        {"quit", "8 quit 7\n", kIntroFrames + 1, 7},
        // Each queued message takes an iteration and its tick.
        {"messages above 1024", "8 message 1025\n8 message 1040\n8 close\n", kIntroFrames + 4, 0},
        // Escape ends in 0 whatever the last message carried: its own key-down (0x1B), or the
        // held button's MK_LBUTTON when the first tick sees Escape.
        {"escape tapped", "7 tap escape\n", kIntroFrames + 1, 0},
        {"escape with the button held", "7 down lbutton\n8 tap escape\n", kIntroFrames + 1, 0},
        {"escape before any message", "8 down escape\n", kIntroFrames + 1, 0},
    };
    const GameFolder folder;
    for (const auto& ending : endings) {
        SCOPED_TRACE(ending.what);
        const HeadlessRun run = folder.Run({"--trace"}, ending.script);
        EXPECT_EQ(run.FrameCount(), ending.frames);
        EXPECT_EQ(run.status, ending.status);
        ASSERT_FALSE(run.lines.empty());
        EXPECT_EQ(run.lines.back(), "exit " + std::to_string(ending.status));
    }
    // The safety stop closes after its frame and says so once.
    const HeadlessRun limited = folder.Run({"--trace", "--max-frames", "12"});
    EXPECT_EQ(limited.FrameCount(), 13);
    EXPECT_EQ(std::count(limited.lines.begin(), limited.lines.end(), "limit 12"), 1);
}
