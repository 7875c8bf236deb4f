#include "gfx/surface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <utility>

#include "display_fixture.h"

namespace {

using SurfaceTest = LayoutTest;

void ExpectEmpty(const Surface& s)
{
    EXPECT_TRUE(s.width == 0 && s.height == 0 && s.surface == nullptr && s.pixels == nullptr &&
                s.bltFlags == 0);
}

// A new surface is black, clipped to its size and opaque (the key's value is kept until the
// key is set again); PutPixel writes only inside the clip.
TEST_P(SurfaceTest, CreateGivesABlackClippedOpaqueSurface)
{
    Surface s;
    s.SetColorKey(0x1234);
    ASSERT_EQ(s.Create(640, 480), 1);
    EXPECT_EQ(s.bltFlags, DDBLTFAST_NOCOLORKEY);
    EXPECT_EQ((std::pair<int, int>(s.colorKey, s.pitch)), std::pair(0x1234, 1280));
    std::vector<std::uint16_t> expected(640 * 480, 0);
    EXPECT_EQ(PixelsOf(s), expected);
    for (const auto& [x, y] : {std::pair{639, 479}, {2, 1}, {640, 0}, {-1, 0}, {0, 480}, {0, -1}}) {
        const bool inside = x >= 0 && y >= 0 && x < 640 && y < 480;
        EXPECT_EQ(s.PutPixel(static_cast<std::int16_t>(x), static_cast<std::int16_t>(y),
                             static_cast<std::uint16_t>(x + 7)),
                  inside);
        if (inside) expected[y * 640 + x] = static_cast<std::uint16_t>(x + 7);
    }
    EXPECT_EQ(PixelsOf(s), expected);
    EXPECT_EQ(s.GetPixel(2, 1), 9);
    Surface largest;
    EXPECT_EQ(largest.Create(4096, 4096), 1);
}

// A width that is no multiple of four, or more than 4096 on a side, is refused with its
// message; any size is refused, silently, without a display. The Surface is left empty.
TEST(Surface, CreateRefusesBadSizesWithTheirMessage)
{
    for (const auto& [width, height, message] : std::initializer_list<std::tuple<int, int, std::string>>{
             {642, 480, "가로크기가 4의배수가 아닙니다."},
             {4100, 8, "그림이 너무 큽니다. (4100x8, 최대 4096x4096)"},
             {8, 4097, "그림이 너무 큽니다. (8x4097, 최대 4096x4096)"}, {64, 64, ""}}) {
        headless::ClearRecords();
        Surface s;
        EXPECT_EQ(s.Create(static_cast<std::uint16_t>(width), static_cast<std::uint16_t>(height)), 0)
            << width << "x" << height;
        ExpectEmpty(s);
        ASSERT_EQ(headless::MessageBoxes().size(), message.empty() ? 0u : 1u);
        if (!message.empty()) {
            EXPECT_EQ(headless::MessageBoxes()[0].text, message);
        }
    }
}

// A surface the platform will not make or open stays empty, and everything done with it,
// onto it or from it is harmless.
TEST_P(SurfaceTest, RefusedSurfacesAreInert)
{
    headless::FailCall(host::Call::CreateSurface, 2);  // the first creation was the screen's
    Canvas notMade(640, 480);
    headless::FailCall(host::Call::Lock, 2);  // the first lock was the display's probe
    Canvas notOpened(640, 480);
    Surface neverLoaded;
    Canvas screen(640, 480);
    FillPattern(screen, 5);
    const auto before = PixelsOf(screen);

    for (Surface* inert :
         {static_cast<Surface*>(&notMade), static_cast<Surface*>(&notOpened), &neverLoaded}) {
        ExpectEmpty(*inert);
        inert->Lock();
        inert->Unlock();
        inert->SetColorKey(0);
        inert->Fill(0xFFFF);
        EXPECT_EQ(inert->PutPixel(0, 0, 0xFFFF) + inert->GetPixel(0, 0), 0);
        inert->BlitTo(screen, 0, 0);
        screen.BlitTo(*inert, 0, 0);
        inert->BlendAddTo(screen, 0, 0);
        screen.BlendAddTo(*inert, 0, 0);
        inert->BlendPercentTo(screen, 0, 0, 30);
        screen.BlendPercentTo(*inert, 0, 0, 30);
        inert->FadeStep(1);
        inert->Present();
    }
    notMade.Printf(0, 0, "%s", "text");
    EXPECT_EQ(headless::PresentCount(), 0);
    EXPECT_EQ(PixelsOf(screen), before);
}

// Two-pixel words may start between words.
TEST(FillPixelRun, OddEvenAndZeroCounts)
{
    for (const auto& [count, start] : {std::pair{0, 0}, {1, 1}, {4, 1}, {5, 0}, {5, 1}}) {
        std::uint16_t run[10];
        std::fill(std::begin(run), std::end(run), 0x5555);
        FillPixelRun(run + start, 0xBEEF, count);
        for (int i = 0; i < 10; ++i)
            EXPECT_EQ(run[i], i >= start && i < start + count ? 0xBEEF : 0x5555) << count << start;
    }
}

INSTANTIATE_TEST_SUITE_P(Layouts, SurfaceTest, ::testing::Bool());

}  // namespace
