// The headless runner's script language: what each line becomes, and which lines are refused
// with their line number. What the actions do is seen in the whole-program runs.
#include "runner_script.h"

#include <gtest/gtest.h>

#include <tuple>

#include "platform/win32.h"

// The keys and the extremes of every number; comments, blank lines and any spacing passed
// over; actions in frame order, in written order within a frame.
TEST(RunnerScript, EveryActionWithItsArguments)
{
    using V = ScriptVerb;
    std::vector<ScriptAction> actions;
    ScriptError error;
    ASSERT_TRUE(ParseScript("# a game\n\n0 cursor 100 -20\n  4\tup rbutton  # now\r\n5 tap pgup\n5 down pgdn\n"
                            "6 destroy\n8 message 4294967295\n9 snap out/frame.png\n"
                            "2147483647 move -65535 65535\n1 quit -2147483648\n4 close",
                            &actions, &error))
        << error.line << ": " << error.what;
    const std::vector<std::tuple<int, V, int, int, int, int, std::uint32_t, int>> expected = {
        {0, V::Cursor, 100, -20, 0, 0, 0, 3},
        {1, V::Quit, 0, 0, 0, -2147483647 - 1, 0, 11},
        {4, V::Up, 0, 0, VK_RBUTTON, 0, 0, 4},
        {4, V::Close, 0, 0, 0, 0, 0, 12},
        {5, V::Tap, 0, 0, VK_PRIOR, 0, 0, 5},
        {5, V::Down, 0, 0, VK_NEXT, 0, 0, 6},
        {6, V::Destroy, 0, 0, 0, 0, 0, 7},
        {8, V::Message, 0, 0, 0, 0, 4294967295u, 8},
        {9, V::Snap, 0, 0, 0, 0, 0, 9},
        {2147483647, V::Move, -65535, 65535, 0, 0, 0, 10},
    };
    ASSERT_EQ(actions.size(), expected.size());
    for (std::size_t i = 0; i < actions.size(); ++i) {
        const ScriptAction& a = actions[i];
        EXPECT_EQ(std::make_tuple(a.frame, a.verb, a.x, a.y, a.key, a.exitCode, a.message, a.line), expected[i])
            << "action " << i;
    }
    EXPECT_EQ(actions[8].file, "out/frame.png");
}

TEST(RunnerScript, BadLinesAreRefusedWithTheirNumber)
{
    for (const char* bad : {"-1 close", "1 cursor 5", "1 move 65536 0", "1 down space", "1 close now",
                            "1 quit 2147483648", "1 message -1", "1 snap a b",
                            "0 snap first.png"}) {  // nothing has been presented at frame 0
        std::vector<ScriptAction> actions;
        ScriptError error;
        EXPECT_FALSE(ParseScript(std::string("1 close\n\n") + bad + "\n", &actions, &error)) << bad;
        EXPECT_EQ(std::pair(error.line, error.what.empty()), std::pair(3, false)) << bad;
    }
}
