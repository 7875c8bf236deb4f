// The runner's own promises: identical output for identical input, the frame files and
// their CRC lines, snapshots, the seed option, and the refusal of bad scripts and arguments.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "game_folder.h"
#include "headless_run.h"
#include "platform/headless/headless.h"

namespace fs = std::filesystem;

namespace {

// A little play: the pieces drop and lock, the cursor moves, a piece turns.
const std::string kPlay =
    "0 cursor 300 200\n7 down lbutton\n20 move 40 0\n30 tap rbutton\n45 move -90 0\n"
    "60 snap snap60.png\n70 close\n";

std::vector<std::uint8_t> Bytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

// Every sixth frame written, each file the frame its trace line's CRC names, a second run
// giving the same lines and files byte for byte.
TEST(HeadlessRunner, SameInputGivesTheSameFramesAndTheirCrcLines)
{
    const GameFolder folder;
    const HeadlessRun first = RunHeadless(folder.Path(), {"--trace", "--frames", "one", "--every", "6"}, kPlay);
    const HeadlessRun second = RunHeadless(folder.Path(), {"--trace", "--frames", "two", "--every", "6"}, kPlay);
    ASSERT_EQ(first.status, 0);
    EXPECT_EQ(first.lines, second.lines);
    const auto traces = first.LinesStartingWith("frame ");
    ASSERT_GT(traces.size(), 60u);
    for (int frame = 1; frame <= static_cast<int>(traces.size()); ++frame) {
        const std::string path = FramePath(folder.PathOf("one"), frame);
        ASSERT_EQ(fs::exists(path), frame % 6 == 0) << frame;
        if (frame % 6 != 0) continue;
        EXPECT_EQ(Bytes(path), Bytes(FramePath(folder.PathOf("two"), frame))) << frame;
        const auto pixels = ReadFrame(path, true);
        char expected[40];
        std::snprintf(expected, sizeof expected, "frame %d %08x", frame, headless::FrameCrc32(pixels.data()));
        EXPECT_EQ(traces[static_cast<std::size_t>(frame - 1)], expected);
    }
    // The snapshot is the frame presented last before it was taken.
    EXPECT_EQ(ReadFrame(folder.PathOf("snap60.png"), true), ReadFrame(FramePath(folder.PathOf("one"), 60), true));
}

TEST(HeadlessRunner, TheClockSecondsSeedThePieces)
{
    // The first two pieces come before the seed; every later one follows it.
    const GameFolder folder;
    const std::string script = "7 down lbutton\n60 close\n";
    const HeadlessRun at1 = RunHeadless(folder.Path(), {"--trace", "--time", "1"}, script);
    const HeadlessRun again = RunHeadless(folder.Path(), {"--trace", "--time", "1"}, script);
    const HeadlessRun at2 = RunHeadless(folder.Path(), {"--trace", "--time", "2"}, script);
    EXPECT_EQ(at1.lines, again.lines);
    EXPECT_NE(at1.lines, at2.lines);
    EXPECT_EQ(at1.LinesStartingWith("frame 8 "), at2.LinesStartingWith("frame 8 "));
}

TEST(HeadlessRunner, ABadScriptLineIsNamedAndNothingRuns)
{
    const GameFolder folder;
    const HeadlessRun run = RunHeadless(folder.Path(), {}, "# fine\n8 close\n9 jump\n");
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.lines.empty());
    EXPECT_NE(run.errors.find("script.txt:3:"), std::string::npos) << run.errors;
    EXPECT_EQ(std::count(run.errors.begin(), run.errors.end(), '\n'), 1);
}

TEST(HeadlessRunner, BadArgumentsAreRefused)
{
    const GameFolder folder;
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"--layout", "444"}, {"--fail", "Nothing"}, {"--every"}, {"missing-script.txt"}}) {
        const HeadlessRun run = RunHeadless(folder.Path(), args);
        EXPECT_EQ(run.status, 2) << args[0];
        EXPECT_TRUE(run.lines.empty()) << args[0];
        EXPECT_EQ(std::count(run.errors.begin(), run.errors.end(), '\n'), 1) << run.errors;
    }
}
