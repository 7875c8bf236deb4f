// The headless runner's script language: what each line becomes, and which lines are refused
// with their line number.
#include "runner_script.h"

#include <gtest/gtest.h>

#include "platform/win32.h"

namespace {

std::vector<ScriptAction> Parsed(const std::string& text)
{
    std::vector<ScriptAction> actions;
    ScriptError error;
    EXPECT_TRUE(ParseScript(text, &actions, &error)) << "line " << error.line << ": " << error.what;
    return actions;
}

ScriptError Refused(const std::string& text)
{
    std::vector<ScriptAction> actions;
    ScriptError error;
    EXPECT_FALSE(ParseScript(text, &actions, &error)) << text;
    EXPECT_FALSE(error.what.empty());
    return error;
}

}  // namespace

TEST(RunnerScript, EveryActionWithItsArguments)
{
    const auto actions = Parsed(
        "0 cursor 100 -20\n"
        "3 move -5 7\n"
        "4 down lbutton\n"
        "4 up rbutton\n"
        "5 tap escape\n"
        "5 tap pgup\n"
        "5 tap pgdn\n"
        "6 close\n"
        "6 destroy\n"
        "7 quit -3\n"
        "8 message 4294967295\n"
        "9 snap out/frame.png\n");
    ASSERT_EQ(actions.size(), 12u);
    EXPECT_EQ(actions[0].verb, ScriptVerb::Cursor);
    EXPECT_EQ(actions[0].x, 100);
    EXPECT_EQ(actions[0].y, -20);
    EXPECT_EQ(actions[1].verb, ScriptVerb::Move);
    EXPECT_EQ(actions[1].x, -5);
    EXPECT_EQ(actions[1].y, 7);
    EXPECT_EQ(actions[2].verb, ScriptVerb::Down);
    EXPECT_EQ(actions[2].key, VK_LBUTTON);
    EXPECT_EQ(actions[3].verb, ScriptVerb::Up);
    EXPECT_EQ(actions[3].key, VK_RBUTTON);
    EXPECT_EQ(actions[4].key, VK_ESCAPE);
    EXPECT_EQ(actions[5].key, VK_PRIOR);
    EXPECT_EQ(actions[6].key, VK_NEXT);
    EXPECT_EQ(actions[6].verb, ScriptVerb::Tap);
    EXPECT_EQ(actions[7].verb, ScriptVerb::Close);
    EXPECT_EQ(actions[8].verb, ScriptVerb::Destroy);
    EXPECT_EQ(actions[9].verb, ScriptVerb::Quit);
    EXPECT_EQ(actions[9].exitCode, -3);
    EXPECT_EQ(actions[10].message, 4294967295u);
    EXPECT_EQ(actions[11].file, "out/frame.png");
    EXPECT_EQ(actions[11].frame, 9);
    EXPECT_EQ(actions[11].line, 12);
}

TEST(RunnerScript, CommentsBlankLinesAndSpacing)
{
    const auto actions = Parsed("# a game\n\n  \t\n 12\tclose   # at once\r\n#0 quit 1\n3 quit 2");
    ASSERT_EQ(actions.size(), 2u);
    EXPECT_EQ(actions[0].frame, 3) << "actions come in frame order";
    EXPECT_EQ(actions[0].line, 6);
    EXPECT_EQ(actions[1].frame, 12);
    EXPECT_EQ(actions[1].line, 4);
}

TEST(RunnerScript, ActionsOfOneFrameKeepTheirWrittenOrder)
{
    const auto actions = Parsed("5 down lbutton\n2 close\n5 up lbutton\n5 quit 1\n");
    ASSERT_EQ(actions.size(), 4u);
    EXPECT_EQ(actions[0].verb, ScriptVerb::Close);
    EXPECT_EQ(actions[1].verb, ScriptVerb::Down);
    EXPECT_EQ(actions[2].verb, ScriptVerb::Up);
    EXPECT_EQ(actions[3].verb, ScriptVerb::Quit);
}

TEST(RunnerScript, EmptyScriptHasNoActions)
{
    EXPECT_TRUE(Parsed("").empty());
    EXPECT_TRUE(Parsed("# nothing\n").empty());
}

TEST(RunnerScript, BadLinesAreRefusedWithTheirNumber)
{
    EXPECT_EQ(Refused("1 close\nx close\n").line, 2);
    EXPECT_EQ(Refused("-1 close\n").line, 1);
    EXPECT_EQ(Refused("5\n").line, 1);
    EXPECT_EQ(Refused("1 close\n\n2 jump\n").line, 3);
    EXPECT_EQ(Refused("1 cursor 5\n").line, 1);
    EXPECT_EQ(Refused("1 cursor 5 6 7\n").line, 1);
    EXPECT_EQ(Refused("1 cursor 5 y\n").line, 1);
    EXPECT_EQ(Refused("1 move 65536 0\n").line, 1);
    EXPECT_EQ(Refused("1 down space\n").line, 1);
    EXPECT_EQ(Refused("1 tap\n").line, 1);
    EXPECT_EQ(Refused("1 close now\n").line, 1);
    EXPECT_EQ(Refused("1 quit 2147483648\n").line, 1);
    EXPECT_EQ(Refused("1 quit 7x\n").line, 1);
    EXPECT_EQ(Refused("1 message -1\n").line, 1);
    EXPECT_EQ(Refused("1 message 4294967296\n").line, 1);
    EXPECT_EQ(Refused("1 snap\n").line, 1);
    EXPECT_EQ(Refused("1 snap a b\n").line, 1);
    EXPECT_EQ(Refused("0 snap first.png\n").line, 1) << "nothing has been presented at frame 0";
    EXPECT_EQ(Refused("99999999999 close\n").line, 1);
    EXPECT_EQ(Refused(std::string("1 clo\0se\n", 9)).line, 1);
}

TEST(RunnerScript, LimitsAreAccepted)
{
    const auto actions = Parsed("2147483647 move -65535 65535\n1 quit -2147483648\n1 message 0\n");
    ASSERT_EQ(actions.size(), 3u);
    EXPECT_EQ(actions[2].frame, 2147483647);
    EXPECT_EQ(actions[2].x, -65535);
    EXPECT_EQ(actions[0].exitCode, -2147483648LL);
}
