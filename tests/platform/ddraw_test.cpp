// DirectDraw on memory: the display object, the flip chain, surfaces, locks, fast blits.
#include "platform/ddraw.h"

#include <gtest/gtest.h>

#include <functional>
#include <tuple>
#include <utility>

namespace {

IDirectDrawSurface* MakeSurface(IDirectDraw* directDraw, DWORD width, DWORD height)
{
    DDSURFACEDESC desc{};
    desc.dwFlags = DDSD_CAPS | DDSD_WIDTH | DDSD_HEIGHT;
    desc.ddsCaps.dwCaps = DDSCAPS_OFFSCREENPLAIN | DDSCAPS_SYSTEMMEMORY;
    desc.dwWidth = width;
    desc.dwHeight = height;
    auto* surface = reinterpret_cast<IDirectDrawSurface*>(&desc);  // must be overwritten
    directDraw->CreateSurface(&desc, &surface, nullptr);
    return surface;
}

IDirectDrawSurface* BackBufferOf(IDirectDrawSurface* primary)
{
    DDSCAPS caps{DDSCAPS_BACKBUFFER};
    IDirectDrawSurface* back = nullptr;
    primary->GetAttachedSurface(&caps, &back);
    return back;
}

std::uint16_t At(IDirectDrawSurface* s, int x, int y) { return s->Pixels()[y * s->Width() + x]; }

// What the destination below held before the test drew on it.
std::uint16_t Before(int x, int y) { return static_cast<std::uint16_t>(1000 + y * 8 + x); }

// A display object and an 8x6 destination and a 4x3 source, their pixels numbered apart.
class DirectDraw : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(DirectDrawCreate(nullptr, &directDraw, nullptr), DD_OK);
        dest = MakeSurface(directDraw, 8, 6);
        source = MakeSurface(directDraw, 4, 3);
        for (int i = 0; i < 8 * 6; ++i) dest->Pixels()[i] = static_cast<std::uint16_t>(1000 + i);
        for (int i = 0; i < 4 * 3; ++i) source->Pixels()[i] = static_cast<std::uint16_t>(1 + i);
    }
    void TearDown() override
    {
        source->Release();
        dest->Release();
        directDraw->Release();
    }
    void ExpectDest(const std::function<std::uint16_t(int x, int y)>& expected) const
    {
        for (int y = 0; y < 6; ++y)
            for (int x = 0; x < 8; ++x) EXPECT_EQ(At(dest, x, y), expected(x, y)) << x << "," << y;
    }

    IDirectDraw* directDraw = nullptr;
    IDirectDrawSurface* dest = nullptr;
    IDirectDrawSurface* source = nullptr;
};

}  // namespace

// The primary comes with one back buffer, which holds a reference of its own and so outlives
// it. Off-screen sides of 0 or past 4096 are refused; the drawing layer's surface tests make
// the largest.
TEST_F(DirectDraw, TheFlipChainAndTheSurfaceSizes)
{
    DDSURFACEDESC desc{};
    desc.dwFlags = DDSD_CAPS | DDSD_BACKBUFFERCOUNT;
    desc.dwBackBufferCount = 1;
    desc.ddsCaps.dwCaps = DDSCAPS_PRIMARYSURFACE | DDSCAPS_FLIP | DDSCAPS_COMPLEX;
    IDirectDrawSurface* primary = nullptr;
    ASSERT_EQ(directDraw->CreateSurface(&desc, &primary, nullptr), DD_OK);
    IDirectDrawSurface* back = BackBufferOf(primary);
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(std::pair(back->Width(), back->Height()), std::pair(640, 480));
    EXPECT_EQ(primary->Release(), 0u);
    back->Pixels()[0] = 5;
    EXPECT_EQ(back->Release(), 0u);

    for (auto [width, height] : {std::pair{0, 10}, {10, 0}, {4097, 4}, {4, 4097}})
        EXPECT_EQ(MakeSurface(directDraw, width, height), nullptr) << width << "x" << height;
}

// An empty or inverted rectangle, or one reaching outside either surface, draws nothing.
TEST_F(DirectDraw, BltFastRefusesBadRectangles)
{
    for (const auto& [x, y, from] : {std::tuple<DWORD, DWORD, RECT>{0, 0, {2, 1, 2, 3}},
                                     {0, 0, {0, 2, 4, 1}}, {0, 0, {1, 0, 5, 3}},
                                     {0, 0, {0, -1, 4, 2}}, {5, 0, {0, 0, 4, 3}},
                                     {0, 4, {0, 0, 4, 3}}, {~0u, 0, {0, 0, 4, 3}}}) {
        RECT rect = from;
        EXPECT_EQ(dest->BltFast(x, y, source, &rect, 0), DDERR_INVALIDRECT) << x << "," << y;
    }
    ExpectDest(Before);
    RECT whole{0, 0, 4, 3};
    EXPECT_EQ(dest->BltFast(4, 3, source, &whole, 0), DD_OK);  // flush with the corner fits
}

// No rectangle is the whole source. The key is skipped only when asked for and when set.
TEST_F(DirectDraw, TheSourceKeyIsSkippedOnlyWhenAskedAndSet)
{
    const std::uint16_t key = At(source, 1, 0);
    source->Pixels()[0] = 0;  // the value of a key never set
    ASSERT_EQ(dest->BltFast(0, 0, source, nullptr, DDBLTFAST_SRCCOLORKEY), DD_OK);
    ExpectDest([&](int x, int y) { return x < 4 && y < 3 ? At(source, x, y) : Before(x, y); });
    dest->Pixels()[1] = Before(1, 0);
    DDCOLORKEY colourKey{key, key};
    ASSERT_EQ(source->SetColorKey(DDCKEY_SRCBLT, &colourKey), DD_OK);
    ASSERT_EQ(dest->BltFast(0, 0, source, nullptr, DDBLTFAST_SRCCOLORKEY), DD_OK);
    EXPECT_EQ(At(dest, 1, 0), Before(1, 0));
    ASSERT_EQ(dest->BltFast(0, 0, source, nullptr, DDBLTFAST_NOCOLORKEY), DD_OK);
    EXPECT_EQ(At(dest, 1, 0), key);
}

TEST_F(DirectDraw, BltFastOntoItselfReadsThePixelsAsTheyWere)
{
    RECT from{0, 0, 7, 5};
    ASSERT_EQ(dest->BltFast(1, 1, dest, &from, 0), DD_OK);  // one down and right: overlapping rows
    ExpectDest([](int x, int y) { return x == 0 || y == 0 ? Before(x, y) : Before(x - 1, y - 1); });
}
