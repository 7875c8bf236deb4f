// The three ways the main loop ends, one message per iteration, and the exit codes, on the
// real program run by tumblox-headless.
#include <gtest/gtest.h>

#include "game_folder.h"
#include "headless_run.h"

namespace {

class MainLoop : public ::testing::Test {
protected:
    HeadlessRun Run(const std::string& script, std::vector<std::string> args = {})
    {
        args.push_back("--trace");
        return RunHeadless(folder_.Path(), args, script);
    }

    GameFolder folder_;
};

constexpr int kIntroFrames = 7;

}  // namespace

TEST_F(MainLoop, CloseLetsThatIterationsTickRunThenEnds)
{
    const HeadlessRun run = Run("8 close\n");  // posted during the first tick
    EXPECT_EQ(run.FrameCount(), kIntroFrames + 2);
    EXPECT_EQ(run.status, 0);
    ASSERT_FALSE(run.lines.empty());
    EXPECT_EQ(run.lines.back(), "exit 0");
}

TEST_F(MainLoop, DestroyEndsLikeClose)
{
    const HeadlessRun run = Run("8 destroy\n");
    EXPECT_EQ(run.FrameCount(), kIntroFrames + 2);
    EXPECT_EQ(run.status, 0);
}

TEST_F(MainLoop, QuitEndsBeforeTheTickWithItsCode)
{
    const HeadlessRun run = Run("8 quit 7\n");
    EXPECT_EQ(run.FrameCount(), kIntroFrames + 1) << "the iteration that takes the quit has no tick";
    EXPECT_EQ(run.status, 7);
    EXPECT_EQ(run.lines.back(), "exit 7");
}

TEST_F(MainLoop, QuitBeforeTheFirstTickEndsWithoutOne)
{
    const HeadlessRun run = Run("0 quit 3\n");
    EXPECT_EQ(run.FrameCount(), kIntroFrames);
    EXPECT_EQ(run.status, 3);
}

TEST_F(MainLoop, MessagesAbove1024GoToTheDefaultHandler)
{
    // 1040 routes through entry 1024 and leaves the game running; 16 is a close.
    const HeadlessRun routed = Run("8 message 1025\n8 message 1040\n20 close\n");
    EXPECT_EQ(routed.FrameCount(), 21);
    EXPECT_EQ(routed.status, 0);
    const HeadlessRun closed = Run("8 message 16\n20 close\n");
    EXPECT_EQ(closed.FrameCount(), kIntroFrames + 2);
}

TEST_F(MainLoop, OneMessagePerIteration)
{
    // Three messages queued before the close: each takes an iteration and its tick.
    const HeadlessRun run = Run("8 message 1025\n8 message 1025\n8 message 1025\n8 close\n");
    EXPECT_EQ(run.FrameCount(), kIntroFrames + 1 + 4);
}

TEST_F(MainLoop, EscapeEndsWithTheLastMessagesWParam)
{
    // Pressed before the first tick: its key-down message (wParam VK_ESCAPE) is taken by the
    // first iteration, whose tick then sees Escape.
    const HeadlessRun run = Run("7 tap escape\n");
    EXPECT_EQ(run.FrameCount(), kIntroFrames + 1);
    EXPECT_EQ(run.status, 0x1B);
    EXPECT_EQ(run.lines.back(), "exit 27");
}

TEST_F(MainLoop, EndingBeforeAnyMessageWasSeenGivesZero)
{
    // Seen by the first tick's key test before any message was taken from the queue.
    const HeadlessRun run = Run("8 down escape\n");
    EXPECT_EQ(run.FrameCount(), kIntroFrames + 1);
    EXPECT_EQ(run.status, 0);
}

TEST_F(MainLoop, FrameLimitClosesTheWindow)
{
    const HeadlessRun run = Run("", {"--max-frames", "12"});
    EXPECT_EQ(run.LinesStartingWith("limit"), std::vector<std::string>{"limit 12"});
    EXPECT_EQ(run.FrameCount(), 13);
    EXPECT_EQ(run.status, 0);
}

TEST_F(MainLoop, FailedRegistrationEndsNonZeroWithoutAMessage)
{
    const HeadlessRun run = Run("", {"--fail", "RegisterClassA"});
    EXPECT_NE(run.status, 0);
    EXPECT_TRUE(run.LinesStartingWith("box").empty());
    EXPECT_EQ(run.FrameCount(), 0);
    EXPECT_EQ(run.LinesStartingWith("sound"), SampleFrees(false));
}
