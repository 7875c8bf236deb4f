#include "gfx/surface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

#include "display_fixture.h"

namespace {

using SurfaceTest = LayoutTest;

void ExpectEmpty(const Surface& s)
{
    EXPECT_EQ(s.width, 0);
    EXPECT_EQ(s.height, 0);
    EXPECT_EQ(s.surface, nullptr);
    EXPECT_EQ(s.pixels, nullptr);
    EXPECT_EQ(s.bltFlags, 0u);
    EXPECT_FALSE(s.Usable());
}

TEST_P(SurfaceTest, CreateGivesABlackClippedSurfaceAndKeepsTheKey)
{
    Surface s;
    s.colorKey = 0x1234;
    ASSERT_EQ(s.Create(640, 480), 1);
    EXPECT_EQ(s.pitch, 1280);
    EXPECT_EQ(s.clipRight, 639);
    EXPECT_EQ(s.clipBottom, 479);
    EXPECT_EQ(s.colorKey, 0x1234);
    EXPECT_EQ(PixelsOf(s), std::vector<std::uint16_t>(640 * 480, 0));
    Surface largest;
    EXPECT_EQ(largest.Create(4096, 4096), 1);
    EXPECT_TRUE(headless::MessageBoxes().empty());
}

// A width that is no multiple of four, or more than 4096 on a side, is refused with its
// message and leaves the Surface empty.
TEST_P(SurfaceTest, CreateRefusesBadSizesWithTheirMessage)
{
    struct Refusal {
        std::uint16_t width, height;
        const char* message;
    };
    for (const Refusal& r : {Refusal{642, 480, "가로크기가 4의배수가 아닙니다."},
                             Refusal{4100, 8, "그림이 너무 큽니다. (4100x8, 최대 4096x4096)"},
                             Refusal{8, 4097, "그림이 너무 큽니다. (8x4097, 최대 4096x4096)"}}) {
        headless::ClearRecords();
        Surface s;
        EXPECT_EQ(s.Create(r.width, r.height), 0);
        ExpectEmpty(s);
        ASSERT_EQ(headless::MessageBoxes().size(), 1u);
        EXPECT_EQ(headless::MessageBoxes()[0].caption, "QDDraw");
        EXPECT_EQ(headless::MessageBoxes()[0].text, r.message);
        EXPECT_EQ(headless::MessageBoxes()[0].style, MB_OK);
    }
}

// A surface the platform will not make or open stays empty, and everything done with it,
// onto it or from it is harmless.
TEST_P(SurfaceTest, RefusedSurfacesAreInert)
{
    headless::FailCall(host::Call::CreateSurface, 2);  // the first creation was the screen's
    Canvas notMade(640, 480);
    ExpectEmpty(notMade);

    headless::FailCall(host::Call::Lock, 2);  // the first lock was the display's probe
    Canvas notOpened(640, 480);
    ExpectEmpty(notOpened);

    Surface neverLoaded;
    Canvas screen(640, 480);
    FillPattern(screen, 5);
    const auto before = PixelsOf(screen);

    for (Surface* inert : {static_cast<Surface*>(&notMade), static_cast<Surface*>(&notOpened), &neverLoaded}) {
        inert->Lock();
        inert->Unlock();
        inert->Fill(0xFFFF);
        EXPECT_EQ(inert->PutPixel(0, 0, 0xFFFF), 0);
        EXPECT_EQ(inert->GetPixel(0, 0), 0);
        EXPECT_EQ(inert->BlitTo(screen, 0, 0), 1);
        EXPECT_EQ(screen.BlitTo(*inert, 0, 0), 1);
        EXPECT_EQ(inert->BlendAddTo(screen, 0, 0), 1);
        EXPECT_EQ(screen.BlendAddTo(*inert, 0, 0), 1);
        EXPECT_EQ(inert->BlendPercentTo(screen, 0, 0, 30), 1);
        EXPECT_EQ(screen.BlendPercentTo(*inert, 0, 0, 30), 1);
        EXPECT_EQ(inert->FadeStep(1), 1);
        EXPECT_EQ(inert->Present(), 1);
        inert->SetColorKey(0);
        EXPECT_EQ(inert->surface, nullptr);
        EXPECT_EQ(inert->pixels, nullptr);
    }
    EXPECT_EQ(notMade.Printf(0, 0, "%s", "text"), 1);
    EXPECT_EQ(headless::PresentCount(), 0);
    EXPECT_EQ(PixelsOf(screen), before);
}

TEST(Surface, CreateWithoutADisplayLeavesTheSurfaceEmpty)
{
    Surface s;
    EXPECT_EQ(s.Create(64, 64), 0);
    ExpectEmpty(s);
}

TEST(FillPixelRun, OddEvenAndZeroCounts)
{
    for (const int count : {0, 1, 4, 5}) {
        for (const int start : {0, 1}) {  // two-pixel words may start between words
            std::uint16_t run[10];
            std::fill(std::begin(run), std::end(run), 0x5555);
            EXPECT_EQ(FillPixelRun(run + start, 0xBEEF, count), 1);
            for (int i = 0; i < 10; ++i) {
                const bool inside = i >= start && i < start + count;
                EXPECT_EQ(run[i], inside ? 0xBEEF : 0x5555) << "count " << count << " start " << start << " at " << i;
            }
        }
    }
}

TEST_P(SurfaceTest, PutPixelWritesOnlyInsideTheClip)
{
    Surface s;
    ASSERT_EQ(s.Create(8, 4), 1);
    EXPECT_EQ(s.PutPixel(7, 3, 0x1111), 1);
    EXPECT_EQ(s.pixels[3 * 8 + 7], 0x1111);
    EXPECT_EQ(s.GetPixel(7, 3), 0x1111);
    EXPECT_EQ(s.PutPixel(2, 1, 0x2222), 1);
    EXPECT_EQ(s.pixels[1 * 8 + 2], 0x2222);
    const auto before = PixelsOf(s);
    for (auto [x, y] : {std::pair{8, 0}, {-1, 0}, {0, 4}, {0, -1}})
        EXPECT_EQ(s.PutPixel(static_cast<std::int16_t>(x), static_cast<std::int16_t>(y), 0xFFFF), 0);
    EXPECT_EQ(PixelsOf(s), before);
}

// A key makes blits skip its pixels; a new surface for the same Surface is opaque again.
TEST_P(SurfaceTest, ColorKeyLastsUntilTheNextCreate)
{
    const std::uint16_t magenta = Colour(31, 0, 31);
    Canvas screen(640, 480);
    Surface sprite;
    ASSERT_EQ(sprite.Create(8, 8), 1);
    sprite.Fill(magenta);
    sprite.SetColorKey(magenta);
    sprite.BlitTo(screen, 0, 0);
    EXPECT_EQ(screen.GetPixel(0, 0), 0);

    sprite.surface->Release();
    sprite.surface = nullptr;
    ASSERT_EQ(sprite.Create(8, 8), 1);
    EXPECT_EQ(sprite.bltFlags, 0u);
    sprite.Fill(magenta);
    sprite.BlitTo(screen, 0, 0);
    EXPECT_EQ(screen.GetPixel(0, 0), magenta);
    EXPECT_EQ(screen.GetPixel(7, 7), magenta);
}

INSTANTIATE_LAYOUTS(SurfaceTest);

}  // namespace
