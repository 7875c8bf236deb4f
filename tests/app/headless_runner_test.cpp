// The runner's own promises: identical output for identical input, the frame files and
// their CRC lines, snapshots and the seed option. Bad script lines: the script's own test.
#include <gtest/gtest.h>

#include <filesystem>

#include "game_folder.h"
#include "platform/headless/headless.h"

// Every sixth frame written, each file the frame its trace line's CRC names, a second run
// without frame files giving the same lines. Another clock's seconds seed other pieces.
TEST(HeadlessRunner, SameInputGivesTheSameFramesAndTheirCrcLines)
{
    // A little play: the pieces drop and lock, the cursor moves, a piece turns.
    const std::string play = "0 cursor 300 200\n7 down lbutton\n20 move 40 0\n30 tap rbutton\n"
                             "45 move -90 0\n60 snap snap60.png\n70 close\n";
    const GameFolder folder;
    const HeadlessRun seeded = folder.Run({"--trace", "--time", "4"}, play);  // a next piece unlike 0's
    const HeadlessRun first = folder.Run({"--trace", "--frames", "1", "--every", "6"}, play);
    const HeadlessRun second = folder.Run({"--trace"}, play);
    ASSERT_EQ(first.status, 0);
    EXPECT_EQ(first.lines, second.lines);
    EXPECT_NE(first.lines, seeded.lines);
    const auto traces = first.LinesStartingWith("frame ");
    ASSERT_GT(traces.size(), 60u);
    for (int frame = 1; frame <= static_cast<int>(traces.size()); ++frame) {
        const std::string path = FramePath(folder.PathOf("1"), frame);
        ASSERT_EQ(std::filesystem::exists(path), frame % 6 == 0) << frame;
        if (frame % 6 != 0) continue;
        const auto pixels = ReadPngAs16(path, true);
        char expected[40];
        std::snprintf(expected, sizeof expected, "frame %d %08x", frame, headless::FrameCrc32(pixels.data()));
        EXPECT_EQ(traces[static_cast<std::size_t>(frame - 1)], expected);
    }
    // The snapshot is the frame presented last before it was taken.
    EXPECT_EQ(ReadPngAs16(folder.PathOf("snap60.png"), true), ReadPngAs16(FramePath(folder.PathOf("1"), 60), true));
}
