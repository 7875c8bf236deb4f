// The headless runner's script language: what each line becomes, and which lines are refused
// with their line number. What the actions do is seen in the whole-program runs.
#include "runner_script.h"

#include <gtest/gtest.h>

#include <tuple>

#include "platform/win32.h"

namespace {

std::vector<ScriptAction> Parsed(const std::string& text)
{
    std::vector<ScriptAction> actions;
    ScriptError error;
    EXPECT_TRUE(ParseScript(text, &actions, &error)) << "line " << error.line << ": " << error.what;
    return actions;
}

int RefusedLine(const std::string& text)
{
    std::vector<ScriptAction> actions;
    ScriptError error;
    EXPECT_FALSE(ParseScript(text, &actions, &error)) << text;
    EXPECT_FALSE(error.what.empty());
    return error.line;
}

}  // namespace

// The keys and the extremes of every number; actions come in frame order.
TEST(RunnerScript, EveryActionWithItsArguments)
{
    using V = ScriptVerb;
    const auto actions = Parsed(
        "0 cursor 100 -20\n4 up rbutton\n5 tap pgup\n5 down pgdn\n6 destroy\n8 message 4294967295\n"
        "9 snap out/frame.png\n2147483647 move -65535 65535\n1 quit -2147483648\n");
    const std::vector<std::tuple<int, V, int, int, int, int, std::uint32_t, int>> expected = {
        {0, V::Cursor, 100, -20, 0, 0, 0, 1},
        {1, V::Quit, 0, 0, 0, -2147483647 - 1, 0, 9},
        {4, V::Up, 0, 0, VK_RBUTTON, 0, 0, 2},
        {5, V::Tap, 0, 0, VK_PRIOR, 0, 0, 3},
        {5, V::Down, 0, 0, VK_NEXT, 0, 0, 4},
        {6, V::Destroy, 0, 0, 0, 0, 0, 5},
        {8, V::Message, 0, 0, 0, 0, 4294967295u, 6},
        {9, V::Snap, 0, 0, 0, 0, 0, 7},
        {2147483647, V::Move, -65535, 65535, 0, 0, 0, 8},
    };
    ASSERT_EQ(actions.size(), expected.size());
    for (std::size_t i = 0; i < actions.size(); ++i) {
        const ScriptAction& a = actions[i];
        EXPECT_EQ(std::make_tuple(a.frame, a.verb, a.x, a.y, a.key, a.exitCode, a.message, a.line),
                  expected[i])
            << "action " << i;
    }
    EXPECT_EQ(actions[7].file, "out/frame.png");
}

// Comments, blank lines and any spacing are passed over; actions keep their written order
// within a frame.
TEST(RunnerScript, CommentsSpacingAndOrder)
{
    EXPECT_TRUE(Parsed("# nothing\n").empty());
    const auto actions =
        Parsed("# a game\n\n  \t\n 12\tclose   # at once\r\n#0 quit 1\n3 quit 2\n12 destroy");
    ASSERT_EQ(actions.size(), 3u);
    EXPECT_EQ(actions[0].line, 6);
    EXPECT_EQ(actions[1].line, 4);
    EXPECT_EQ(actions[2].line, 7);
}

TEST(RunnerScript, BadLinesAreRefusedWithTheirNumber)
{
    EXPECT_EQ(RefusedLine("1 close\nx close\n"), 2);
    EXPECT_EQ(RefusedLine("1 close\n\n2 jump\n"), 3);
    for (const char* bad :
         {"-1 close", "5", "1 cursor 5", "1 cursor 5 6 7", "1 cursor 5 y", "1 move 65536 0",
          "1 down space", "1 tap", "1 close now", "1 quit 2147483648", "1 quit 7x", "1 message -1",
          "1 message 4294967296", "1 snap", "1 snap a b",
          "0 snap first.png",  // nothing has been presented at frame 0
          "99999999999 close"}) {
        EXPECT_EQ(RefusedLine(std::string(bad) + "\n"), 1) << bad;
    }
    EXPECT_EQ(RefusedLine(std::string("1 clo\0se\n", 9)), 1);
}
