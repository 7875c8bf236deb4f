#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

#include "platform/sdl/frame_fit.h"
#include "platform/sdl/frame_mailbox.h"
#include "platform/sdl/mouse_motion.h"
#include "platform/sdl/texture_pixels.h"

namespace {

using namespace sdlhost;

TEST(FrameFit, KeepsTheAspectBetweenBlackBars)
{
    struct Case {
        int outputWidth, outputHeight;
        std::array<int, 4> expected;  // x, y, width, height
    };
    const Case cases[] = {
        {640, 480, {0, 0, 640, 480}},
        {1280, 1024, {0, 32, 1280, 960}},   // bars above and below
        {1920, 1080, {240, 0, 1440, 1080}},  // bars left and right
        {1366, 768, {171, 0, 1024, 768}},
        {1, 1, {0, 0, 1, 1}},
    };
    for (const Case& c : cases) {
        const FitRect fit = FitFrame(c.outputWidth, c.outputHeight);
        EXPECT_EQ((std::array{fit.x, fit.y, fit.width, fit.height}), c.expected)
            << c.outputWidth << "x" << c.outputHeight;
    }
}

// A whole multiple of the picture that leaves a tenth of the desktop free each way.
TEST(FrameFit, LeavingFullScreenGivesAWholeMultipleThatFits)
{
    EXPECT_EQ(WindowedSize(1920, 1080).width, 1280);  // 1440x960 would not leave room
    EXPECT_EQ(WindowedSize(1920, 960).width, 640);    // nor would 1280x960 here
    EXPECT_EQ(WindowedSize(3840, 2160).height, 1920);
    EXPECT_EQ(WindowedSize(320, 200).width, 640);  // never smaller than the picture
}

TEST(MouseMotion, OneSweepIsTheSameDistanceAtAnyScaleAndNothingIsLost)
{
    MouseMotion motion;
    int moved = 0;
    for (int i = 0; i < 1280; ++i) moved += motion.Convert(1, 0, 2.0).dx;  // a slow hand at 2x
    EXPECT_EQ(moved, 640);

    MouseMotion back;
    EXPECT_EQ(back.Convert(-3, 5, 2.0).dx, -1);
    EXPECT_EQ(back.Convert(-1, 0, 2.0).dx, -1);  // the half pixel kept from the first event
    EXPECT_EQ(back.Convert(0, 1, 2.0).dy, 1);  // 2.5 gave 2 at first, its half comes now
    EXPECT_EQ(back.Convert(7, 0, 0.0).dx, 7);  // no scale yet: window units as they are
}

TEST(TexturePixels, WidensEachChannelByRepeatingItsTopBits)
{
    const std::vector<std::uint16_t> row{0xFFFF, 0x0000, 0xF800, 0x07E0, 0x001F, 0x0020, 0x8410};
    std::vector<std::uint32_t> wide(row.size());
    ConvertRow565ToXrgb8888(row.data(), wide.data(), row.size());
    // Green 1 of 63 is 4 of 255; 16, 32, 16 are 0x84, 0x82, 0x84.
    EXPECT_EQ(wide, (std::vector<std::uint32_t>{0xFFFFFF, 0, 0xFF0000, 0x00FF00, 0x0000FF, 0x000400,
                                                0x848284}));
}

TEST(FrameMailbox, TheNewestFrameWinsAndIsTakenOnce)
{
    FrameMailbox mailbox;
    std::vector<std::uint16_t> first(kFramePixels, 1);
    std::vector<std::uint16_t> second(kFramePixels, 2);
    std::vector<std::uint16_t> shown(kFramePixels, 0);
    EXPECT_FALSE(mailbox.TakeFresh(shown));
    mailbox.Post(first.data());
    mailbox.Post(second.data());  // the first was never taken: it is not shown
    ASSERT_TRUE(mailbox.TakeFresh(shown));
    EXPECT_EQ(shown, second);
    EXPECT_FALSE(mailbox.TakeFresh(shown));
    EXPECT_EQ(shown, second);
}

}  // namespace
