#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/sdl/frame_fit.h"
#include "platform/sdl/frame_mailbox.h"
#include "platform/sdl/mouse_motion.h"
#include "platform/sdl/texture_pixels.h"

namespace {

using sdlhost::FitFrame;

TEST(FrameFit, KeepsTheAspectBetweenBlackBars)
{
    struct Case {
        int outputWidth, outputHeight;
        sdlhost::FitRect expected;
    };
    const Case cases[] = {
        {640, 480, {0, 0, 640, 480}},
        {1280, 1024, {0, 32, 1280, 960}},   // bars above and below
        {1920, 1080, {240, 0, 1440, 1080}},  // bars left and right
        {1366, 768, {171, 0, 1024, 768}},
        {1, 1, {0, 0, 1, 1}},
    };
    for (const Case& c : cases) {
        const sdlhost::FitRect fit = FitFrame(c.outputWidth, c.outputHeight);
        EXPECT_EQ(fit.x, c.expected.x) << c.outputWidth << "x" << c.outputHeight;
        EXPECT_EQ(fit.y, c.expected.y) << c.outputWidth << "x" << c.outputHeight;
        EXPECT_EQ(fit.width, c.expected.width) << c.outputWidth << "x" << c.outputHeight;
        EXPECT_EQ(fit.height, c.expected.height) << c.outputWidth << "x" << c.outputHeight;
    }
}

TEST(FrameFit, LeavingFullScreenGivesAWholeMultipleThatFits)
{
    EXPECT_EQ(sdlhost::WindowedSize(1920, 1080).width, 1280);  // 1440x960 would not leave room
    EXPECT_EQ(sdlhost::WindowedSize(3840, 2160).height, 1920);
    EXPECT_EQ(sdlhost::WindowedSize(800, 600).width, 640);
    EXPECT_EQ(sdlhost::WindowedSize(320, 200).width, 640);  // never smaller than the picture
}

TEST(MouseMotion, OneSweepIsTheSameDistanceAtAnyScaleAndNothingIsLost)
{
    sdlhost::MouseMotion motion;
    int moved = 0;
    for (int i = 0; i < 1280; ++i) moved += motion.Convert(1, 0, 2.0).dx;  // a slow hand at 2x
    EXPECT_EQ(moved, 640);

    sdlhost::MouseMotion back;
    EXPECT_EQ(back.Convert(-3, 5, 2.0).dx, -1);
    EXPECT_EQ(back.Convert(-1, 0, 2.0).dx, -1);  // the half pixel kept from the first event
    EXPECT_EQ(back.Convert(0, 1, 2.0).dy, 1);  // 2.5 gave 2 at first, its half comes now
    EXPECT_EQ(back.Convert(7, 0, 0.0).dx, 7);  // no scale yet: window units as they are
}

TEST(TexturePixels, WidensEachChannelByRepeatingItsTopBits)
{
    EXPECT_EQ(sdlhost::Xrgb8888From565(0xFFFF), 0xFFFFFFu);
    EXPECT_EQ(sdlhost::Xrgb8888From565(0x0000), 0x000000u);
    EXPECT_EQ(sdlhost::Xrgb8888From565(0xF800), 0xFF0000u);
    EXPECT_EQ(sdlhost::Xrgb8888From565(0x0020), 0x000400u);    // green 1 of 63
    EXPECT_EQ(sdlhost::Xrgb8888From565(0x8410), 0x848284u);    // 16, 32, 16
    const std::vector<std::uint16_t> row{0x001F, 0x07E0, 0x1234};
    std::vector<std::uint32_t> wide(row.size());
    sdlhost::ConvertRow565ToXrgb8888(row.data(), wide.data(), row.size());
    EXPECT_EQ(wide, (std::vector<std::uint32_t>{0x0000FFu, 0x00FF00u, sdlhost::Xrgb8888From565(0x1234)}));
}

TEST(TexturePixels, TakesFiveSixFiveOnlyWhereTheRendererUsesItAsItIs)
{
    using sdlhost::ChooseTextureLayout;
    using sdlhost::TextureLayout;
    EXPECT_EQ(ChooseTextureLayout(true, true, false), TextureLayout::Xrgb8888);
    EXPECT_EQ(ChooseTextureLayout(true, false, true), TextureLayout::Rgb565);
    EXPECT_EQ(ChooseTextureLayout(false, true, false), TextureLayout::Rgb565);
    EXPECT_EQ(ChooseTextureLayout(false, false, true), TextureLayout::Xrgb8888);
}

TEST(FrameMailbox, TheNewestFrameWinsAndAClosedMailboxTakesNoMore)
{
    sdlhost::FrameMailbox mailbox;
    std::vector<std::uint16_t> first(sdlhost::kFramePixels, 1);
    std::vector<std::uint16_t> second(sdlhost::kFramePixels, 2);
    first.back() = 7;
    mailbox.Post(first.data());
    mailbox.Post(second.data());  // the first was never taken: it is not shown
    std::vector<std::uint16_t> shown(sdlhost::kFramePixels, 0);
    ASSERT_TRUE(mailbox.Take(shown));
    EXPECT_EQ(shown, second);

    mailbox.Post(first.data());
    mailbox.Close();
    EXPECT_FALSE(mailbox.Take(shown));
    EXPECT_EQ(shown, second);
}

}  // namespace
