// DirectDraw on memory: the display object, the flip chain, surfaces, locks, blits.
#include "platform/ddraw.h"

#include <gtest/gtest.h>

#include <functional>
#include <utility>
#include <vector>

#include "platform/headless/headless.h"

namespace {

IDirectDrawSurface* MakeSurface(IDirectDraw* directDraw, DWORD width, DWORD height)
{
    DDSURFACEDESC desc{};
    desc.dwSize = 108;
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

// Pixel values that tell every position apart.
void Number(IDirectDrawSurface* surface, std::uint16_t base)
{
    for (int i = 0; i < surface->Width() * surface->Height(); ++i)
        surface->Pixels()[i] = static_cast<std::uint16_t>(base + i);
}

std::uint16_t At(IDirectDrawSurface* surface, int x, int y)
{
    return surface->Pixels()[y * surface->Width() + x];
}

// What the destination below held before the test drew on it.
std::uint16_t Before(int x, int y)
{
    return static_cast<std::uint16_t>(1000 + y * 8 + x);
}

// A display object and 8x6 destination / 4x3 source surfaces, numbered apart.
class DirectDraw : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(DirectDrawCreate(nullptr, &directDraw, nullptr), DD_OK);
        dest = MakeSurface(directDraw, 8, 6);
        source = MakeSurface(directDraw, 4, 3);
        Number(dest, 1000);
        Number(source, 1);
    }
    void TearDown() override
    {
        source->Release();
        dest->Release();
        directDraw->Release();
    }
    // Every destination pixel against what it should hold.
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

// A refused creation leaves no object; the memory screen has one mode. The primary comes with
// one back buffer, which holds a reference of its own and so outlives it.
TEST_F(DirectDraw, TheDisplayObjectAndItsFlipChain)
{
    headless::FailCall(host::Call::DirectDrawCreate, 2);  // the first made the fixture's
    IDirectDraw* refused = directDraw;
    EXPECT_NE(DirectDrawCreate(nullptr, &refused, nullptr), DD_OK);
    EXPECT_EQ(refused, nullptr);
    EXPECT_EQ(directDraw->SetDisplayMode(640, 480, 16), DD_OK);
    EXPECT_NE(directDraw->SetDisplayMode(640, 480, 32), DD_OK);

    DDSURFACEDESC desc{};
    desc.dwSize = 108;
    desc.dwFlags = DDSD_CAPS | DDSD_BACKBUFFERCOUNT;
    desc.dwBackBufferCount = 1;
    desc.ddsCaps.dwCaps = DDSCAPS_PRIMARYSURFACE | DDSCAPS_FLIP | DDSCAPS_COMPLEX;
    IDirectDrawSurface* primary = nullptr;
    ASSERT_EQ(directDraw->CreateSurface(&desc, &primary, nullptr), DD_OK);
    EXPECT_EQ(std::pair(primary->Width(), primary->Height()), std::pair(640, 480));
    IDirectDrawSurface* back = BackBufferOf(primary);
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(std::pair(back->Width(), back->Height()), std::pair(640, 480));
    EXPECT_EQ(BackBufferOf(back), nullptr);
    EXPECT_EQ(primary->Release(), 0u);
    back->Pixels()[0] = 5;
    EXPECT_EQ(back->Release(), 0u);
}

TEST_F(DirectDraw, OffScreenSizesOutOfRangeAreRefused)
{
    for (auto [width, height] : {std::pair{0, 10}, {10, 0}, {4097, 4}, {4, 4097}})
        EXPECT_EQ(MakeSurface(directDraw, width, height), nullptr) << width << "x" << height;
    IDirectDrawSurface* largest = MakeSurface(directDraw, 4096, 4096);
    ASSERT_NE(largest, nullptr);
    EXPECT_EQ(largest->Pixels()[4096 * 4096 - 1], 0);  // starts black
    largest->Release();
}

TEST_F(DirectDraw, LockShowsTheFixedPixelBlockUnlessItFails)
{
    DDSURFACEDESC desc{};
    ASSERT_EQ(source->Lock(nullptr, &desc, DDLOCK_WAIT, nullptr), DD_OK);
    EXPECT_EQ(desc.lpSurface, source->Pixels());
    EXPECT_EQ(desc.lPitch, 8);
    EXPECT_EQ(std::pair(desc.dwWidth, desc.dwHeight), std::pair(4u, 3u));
    EXPECT_EQ(source->Unlock(nullptr), DD_OK);

    headless::FailCall(host::Call::Lock, 2);
    EXPECT_NE(source->Lock(nullptr, &desc, 0, nullptr), DD_OK);
    EXPECT_EQ(desc.lpSurface, nullptr);
}

TEST_F(DirectDraw, BltFastRefusesBadRectanglesAndDrawsNothing)
{
    RECT empty{2, 1, 2, 3}, upsideDown{0, 2, 4, 1}, pastSource{1, 0, 5, 3};
    RECT aboveSource{0, -1, 4, 2}, whole{0, 0, 4, 3};
    EXPECT_EQ(dest->BltFast(0, 0, source, &empty, 0), DDERR_INVALIDRECT);
    EXPECT_EQ(dest->BltFast(0, 0, source, &upsideDown, 0), DDERR_INVALIDRECT);
    EXPECT_EQ(dest->BltFast(0, 0, source, &pastSource, 0), DDERR_INVALIDRECT);
    EXPECT_EQ(dest->BltFast(0, 0, source, &aboveSource, 0), DDERR_INVALIDRECT);
    EXPECT_EQ(dest->BltFast(5, 0, source, &whole, 0), DDERR_INVALIDRECT);  // a column too far
    EXPECT_EQ(dest->BltFast(0, 4, source, &whole, 0), DDERR_INVALIDRECT);  // a row too far
    EXPECT_EQ(dest->BltFast(static_cast<DWORD>(-1), 0, source, &whole, 0), DDERR_INVALIDRECT);
    EXPECT_NE(dest->BltFast(0, 0, nullptr, &whole, 0), DD_OK);
    ExpectDest(Before);
    EXPECT_EQ(dest->BltFast(4, 3, source, &whole, 0), DD_OK);  // flush with the corner fits
}

// No rectangle is the whole source. The key is skipped only when asked for and when set.
TEST_F(DirectDraw, TheSourceKeyIsSkippedOnlyWhenAskedAndSet)
{
    const std::uint16_t key = At(source, 1, 0);
    ASSERT_EQ(dest->BltFast(0, 0, source, nullptr, DDBLTFAST_SRCCOLORKEY), DD_OK);  // no key yet
    ExpectDest([&](int x, int y) { return x < 4 && y < 3 ? At(source, x, y) : Before(x, y); });
    Number(dest, 1000);
    DDCOLORKEY colourKey{key, key};
    ASSERT_EQ(source->SetColorKey(DDCKEY_SRCBLT, &colourKey), DD_OK);
    ASSERT_EQ(dest->BltFast(0, 0, source, nullptr, DDBLTFAST_SRCCOLORKEY), DD_OK);
    EXPECT_EQ(At(dest, 1, 0), Before(1, 0));
    EXPECT_EQ(At(dest, 2, 0), At(source, 2, 0));
    ASSERT_EQ(dest->BltFast(0, 0, source, nullptr, DDBLTFAST_NOCOLORKEY), DD_OK);
    EXPECT_EQ(At(dest, 1, 0), key);
}

TEST_F(DirectDraw, BltFastOntoItselfReadsThePixelsAsTheyWere)
{
    RECT from{0, 0, 7, 5};
    ASSERT_EQ(dest->BltFast(1, 1, dest, &from, 0), DD_OK);  // one down and right: overlapping rows
    ExpectDest([](int x, int y) { return x == 0 || y == 0 ? Before(x, y) : Before(x - 1, y - 1); });
}

// Shrinking takes the pixel under each centre (the present's tests stretch the other way); a
// rectangle beyond either surface is refused.
TEST_F(DirectDraw, BltStretchesNearestNeighbour)
{
    RECT to{0, 0, 8, 6}, small{0, 0, 2, 3}, outside{6, 0, 9, 3};
    ASSERT_EQ(source->Blt(&small, dest, &to, 0, nullptr), DD_OK);
    EXPECT_EQ(At(source, 0, 0), At(dest, 2, 1));
    EXPECT_EQ(At(source, 1, 2), At(dest, 6, 5));
    EXPECT_EQ(dest->Blt(&outside, source, nullptr, 0, nullptr), DDERR_INVALIDRECT);
    EXPECT_EQ(dest->Blt(nullptr, nullptr, nullptr, 0, nullptr), DDERR_INVALIDPARAMS);
}
