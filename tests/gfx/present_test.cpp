#include <gtest/gtest.h>

#include <cstdlib>

#include "display_fixture.h"

namespace {

using PresentTest = LayoutTest;

std::uint16_t* BackBuffer()
{
    return TheDisplay.backBuffer->Pixels();
}

void FillBackBuffer(std::uint16_t salt)
{
    for (int i = 0; i < 640 * 480; ++i) BackBuffer()[i] = static_cast<std::uint16_t>(i * 13 + salt);
}

TEST_P(PresentTest, FullCanvasReplacesTheWholeFrame)
{
    Canvas frame(640, 480);
    FillPattern(frame, 21);
    FillBackBuffer(3);
    EXPECT_EQ(frame.Present(), 1);
    EXPECT_EQ(headless::PresentCount(), 1);
    EXPECT_EQ(headless::LastFrame(), PixelsOf(frame));
}

TEST_P(PresentTest, LargerSurfaceShowsItsTopLeft)
{
    Canvas big(800, 600);
    FillPattern(big, 8);
    big.Present();
    ASSERT_EQ(headless::PresentCount(), 1);
    const auto& shown = headless::LastFrame();
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 640; ++x)
            ASSERT_EQ(shown[y * 640 + x], big.GetPixel(static_cast<std::int16_t>(x), static_cast<std::int16_t>(y)))
                << x << "," << y;
}

// In the flip chain a small surface is copied unscaled; the rest of the back buffer keeps
// what it held, and a keyed surface leaves its key pixels alone.
TEST_P(PresentTest, SmallSurfaceLandsUnscaledTopLeft)
{
    Surface small;
    ASSERT_EQ(small.Create(320, 200), 1);
    FillPattern(small, 40);
    small.pixels[0] = 0x0001;
    small.SetColorKey(0x0001);
    FillBackBuffer(5);
    std::vector<std::uint16_t> expected(BackBuffer(), BackBuffer() + 640 * 480);
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 320; ++x)
            if (small.pixels[y * 320 + x] != 0x0001) expected[y * 640 + x] = small.pixels[y * 320 + x];

    small.Present();
    ASSERT_EQ(headless::PresentCount(), 1);
    EXPECT_EQ(headless::LastFrame(), expected);
}

// Without a back buffer the frame goes straight onto the screen, stretched over all of it.
TEST(Present, WithoutBackBufferStretchesOntoTheScreen)
{
    headless::FailCall(host::Call::GetAttachedSurface);
    ASSERT_EQ(InitDisplay(), 0);
    ASSERT_EQ(TheDisplay.flipMode, 0);
    ASSERT_NE(TheDisplay.primary, nullptr);

    // Four quarters of different colours.
    Surface quarters;
    ASSERT_EQ(quarters.Create(320, 200), 1);
    const std::uint16_t colours[4] = {0x1111, 0x2222, 0x3333, 0x4444};
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 320; ++x) quarters.pixels[y * 320 + x] = colours[(y >= 100) * 2 + (x >= 160)];

    EXPECT_EQ(quarters.Present(), 1);
    ASSERT_EQ(headless::PresentCount(), 1);
    const auto& shown = headless::LastFrame();
    // Away from the seams by more than one stretched pixel.
    for (int y = 0; y < 480; ++y) {
        for (int x = 0; x < 640; ++x) {
            if (std::abs(x - 320) < 3 || std::abs(y - 240) < 4) continue;
            ASSERT_EQ(shown[y * 640 + x], colours[(y >= 240) * 2 + (x >= 320)]) << x << "," << y;
        }
    }

    Canvas full(640, 480);
    FillPattern(full, 9);
    full.Present();
    EXPECT_EQ(headless::LastFrame(), PixelsOf(full));
}

TEST(Present, WithoutAScreenShowsNothing)
{
    headless::FailCall(host::Call::CreateSurface);
    ASSERT_EQ(InitDisplay(), 0);
    Surface s;
    ASSERT_EQ(s.Create(640, 480), 1);
    EXPECT_EQ(s.Present(), 1);
    EXPECT_EQ(headless::PresentCount(), 0);
}

INSTANTIATE_LAYOUTS(PresentTest);

}  // namespace
