#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

#include "display_fixture.h"

namespace {

using PresentTest = LayoutTest;

// In the flip chain the surface's top-left 640x480 pixels, or all of a smaller one, are
// copied unscaled; the rest of the back buffer keeps what it held, and a keyed surface
// leaves its key pixels alone.
TEST_P(PresentTest, FlipChainShowsTheTopLeftUnscaled)
{
    for (const auto& [width, height] : {std::pair{640, 480}, {800, 600}, {320, 200}}) {
        SCOPED_TRACE(testing::Message() << width << "x" << height);
        Surface frame;
        ASSERT_EQ(
            frame.Create(static_cast<std::uint16_t>(width), static_cast<std::uint16_t>(height)), 1);
        FillPattern(frame, 40);
        frame.pixels[0] = 0x0001;
        frame.SetColorKey(0x0001);
        std::uint16_t* back = TheDisplay.backBuffer->Pixels();
        for (int i = 0; i < 640 * 480; ++i) back[i] = static_cast<std::uint16_t>(i * 13 + 5);
        std::vector<std::uint16_t> expected(back, back + 640 * 480);
        for (int y = 0; y < std::min(height, 480); ++y)
            for (int x = 0; x < std::min(width, 640); ++x)
                if (frame.pixels[y * width + x] != 0x0001)
                    expected[y * 640 + x] = frame.pixels[y * width + x];

        const int before = headless::PresentCount();
        EXPECT_EQ(frame.Present(), 1);
        EXPECT_EQ(headless::PresentCount(), before + 1);
        EXPECT_EQ(headless::LastFrame(), expected);
    }
}

INSTANTIATE_TEST_SUITE_P(Layouts, PresentTest, ::testing::Bool());

// Without a back buffer the frame goes straight onto the screen, its top-left 640x480
// pixels or all of a smaller one stretched over all of it, each screen pixel taking the
// frame's pixel under its centre.
TEST(Present, WithoutBackBufferStretchesOntoTheScreen)
{
    headless::FailCall(host::Call::GetAttachedSurface);
    ASSERT_EQ(InitDisplay(), 0);
    for (const auto& [width, height] : {std::pair{400, 300}, {800, 600}}) {
        Surface frame;
        ASSERT_EQ(
            frame.Create(static_cast<std::uint16_t>(width), static_cast<std::uint16_t>(height)), 1);
        FillPattern(frame, 9);
        frame.Present();
        const auto& shown = headless::LastFrame();
        const int shownWidth = std::min(width, 640), shownHeight = std::min(height, 480);
        for (int y = 0; y < 480; ++y)
            for (int x = 0; x < 640; ++x)
                ASSERT_EQ(shown[y * 640 + x], frame.pixels[(2 * y + 1) * shownHeight / 960 * width +
                                                           (2 * x + 1) * shownWidth / 1280])
                    << x << "," << y << " of " << width << "x" << height;
    }
}

TEST(Present, WithoutAScreenShowsNothing)
{
    headless::FailCall(host::Call::CreateSurface);
    ASSERT_EQ(InitDisplay(), 0);
    Surface s;
    ASSERT_EQ(s.Create(640, 480), 1);
    s.Present();
    EXPECT_EQ(headless::PresentCount(), 0);
}

}  // namespace
