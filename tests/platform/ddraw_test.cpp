// DirectDraw on memory: the display object, the flip chain, surfaces, locks, blits, flips.
#include "platform/ddraw.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "platform/headless/headless.h"

namespace {

IDirectDraw* OpenDirectDraw()
{
    IDirectDraw* directDraw = nullptr;
    EXPECT_EQ(DirectDrawCreate(nullptr, &directDraw, nullptr), DD_OK);
    return directDraw;
}

IDirectDrawSurface* MakeSurface(IDirectDraw* directDraw, DWORD width, DWORD height)
{
    DDSURFACEDESC desc{};
    desc.dwSize = 108;
    desc.dwFlags = DDSD_CAPS | DDSD_WIDTH | DDSD_HEIGHT;
    desc.ddsCaps.dwCaps = DDSCAPS_OFFSCREENPLAIN | DDSCAPS_SYSTEMMEMORY;
    desc.dwWidth = width;
    desc.dwHeight = height;
    IDirectDrawSurface* surface = reinterpret_cast<IDirectDrawSurface*>(&desc);  // must be overwritten
    directDraw->CreateSurface(&desc, &surface, nullptr);
    return surface;
}

IDirectDrawSurface* MakePrimary(IDirectDraw* directDraw)
{
    DDSURFACEDESC desc{};
    desc.dwSize = 108;
    desc.dwFlags = DDSD_CAPS | DDSD_BACKBUFFERCOUNT;
    desc.dwBackBufferCount = 1;
    desc.ddsCaps.dwCaps = DDSCAPS_PRIMARYSURFACE | DDSCAPS_FLIP | DDSCAPS_COMPLEX;
    IDirectDrawSurface* primary = nullptr;
    EXPECT_EQ(directDraw->CreateSurface(&desc, &primary, nullptr), DD_OK);
    return primary;
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

// A display object and 8x6 destination / 4x3 source surfaces, numbered apart.
class Blits : public ::testing::Test {
protected:
    void SetUp() override
    {
        directDraw = OpenDirectDraw();
        dest = MakeSurface(directDraw, 8, 6);
        source = MakeSurface(directDraw, 4, 3);
        Number(dest, 1000);
        Number(source, 1);
        before = std::vector<std::uint16_t>(dest->Pixels(), dest->Pixels() + 48);
    }
    void TearDown() override
    {
        source->Release();
        dest->Release();
        directDraw->Release();
    }
    bool DestUnchanged() const { return std::vector<std::uint16_t>(dest->Pixels(), dest->Pixels() + 48) == before; }

    IDirectDraw* directDraw = nullptr;
    IDirectDrawSurface* dest = nullptr;
    IDirectDrawSurface* source = nullptr;
    std::vector<std::uint16_t> before;
};

}  // namespace

TEST(DirectDraw, InjectedFailuresOfTheDisplaySteps)
{
    headless::FailCall(host::Call::DirectDrawCreate);
    IDirectDraw* directDraw = reinterpret_cast<IDirectDraw*>(&directDraw);
    EXPECT_NE(DirectDrawCreate(nullptr, &directDraw, nullptr), DD_OK);
    EXPECT_EQ(directDraw, nullptr);

    directDraw = OpenDirectDraw();
    ASSERT_NE(directDraw, nullptr);
    headless::FailCall(host::Call::SetCooperativeLevel);
    headless::FailCall(host::Call::SetDisplayMode);
    EXPECT_NE(directDraw->SetCooperativeLevel(nullptr, DDSCL_EXCLUSIVE | DDSCL_FULLSCREEN), DD_OK);
    EXPECT_EQ(directDraw->SetCooperativeLevel(nullptr, DDSCL_EXCLUSIVE | DDSCL_FULLSCREEN), DD_OK);
    EXPECT_NE(directDraw->SetDisplayMode(640, 480, 16), DD_OK);
    EXPECT_EQ(directDraw->SetDisplayMode(640, 480, 16), DD_OK);
    EXPECT_NE(directDraw->SetDisplayMode(640, 480, 32), DD_OK);  // the memory screen has one mode
    EXPECT_EQ(directDraw->Release(), 0u);
}

TEST(DirectDraw, ThePrimaryComesWithOneBackBufferAndCountsFirst)
{
    IDirectDraw* directDraw = OpenDirectDraw();
    headless::FailCall(host::Call::CreateSurface, 2);
    IDirectDrawSurface* primary = MakePrimary(directDraw);
    ASSERT_NE(primary, nullptr);
    EXPECT_EQ(primary->Width(), 640);
    EXPECT_EQ(primary->Height(), 480);
    EXPECT_EQ(MakeSurface(directDraw, 16, 16), nullptr);  // the second creation fails

    headless::FailCall(host::Call::GetAttachedSurface);
    EXPECT_EQ(BackBufferOf(primary), nullptr);
    IDirectDrawSurface* back = BackBufferOf(primary);
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->Width(), 640);
    EXPECT_EQ(back->Height(), 480);
    EXPECT_EQ(BackBufferOf(back), nullptr);  // nothing hangs behind the back buffer

    // The attached surface holds a reference of its own: it outlives the primary.
    EXPECT_EQ(primary->Release(), 0u);
    back->Pixels()[0] = 5;
    EXPECT_EQ(back->Release(), 0u);
    EXPECT_EQ(directDraw->Release(), 0u);
}

TEST(DirectDraw, OffScreenSizesOutOfRangeAreRefused)
{
    IDirectDraw* directDraw = OpenDirectDraw();
    for (auto [width, height] : {std::pair{0, 10}, {10, 0}, {4097, 4}, {4, 4097}})
        EXPECT_EQ(MakeSurface(directDraw, width, height), nullptr) << width << "x" << height;
    IDirectDrawSurface* largest = MakeSurface(directDraw, 4096, 4096);
    ASSERT_NE(largest, nullptr);
    EXPECT_EQ(largest->Pixels()[4096 * 4096 - 1], 0);  // starts black
    largest->Release();
    directDraw->Release();
}

TEST(DirectDraw, LockShowsTheFixedPixelBlock)
{
    IDirectDraw* directDraw = OpenDirectDraw();
    IDirectDrawSurface* surface = MakeSurface(directDraw, 12, 5);
    DDSURFACEDESC desc{};
    ASSERT_EQ(surface->Lock(nullptr, &desc, DDLOCK_WAIT, nullptr), DD_OK);
    EXPECT_EQ(desc.lpSurface, surface->Pixels());
    EXPECT_EQ(desc.lPitch, 24);
    EXPECT_EQ(desc.dwWidth, 12u);
    EXPECT_EQ(desc.dwHeight, 5u);
    EXPECT_EQ(surface->Unlock(nullptr), DD_OK);

    headless::FailCall(host::Call::Lock, 2);
    EXPECT_NE(surface->Lock(nullptr, &desc, 0, nullptr), DD_OK);
    EXPECT_EQ(desc.lpSurface, nullptr);
    EXPECT_EQ(surface->Lock(nullptr, &desc, 0, nullptr), DD_OK);
    EXPECT_EQ(desc.lpSurface, surface->Pixels());
    surface->Release();
    directDraw->Release();
}

TEST_F(Blits, BltFastCopiesTheRectangleUnscaled)
{
    RECT from{1, 1, 4, 3};
    ASSERT_EQ(dest->BltFast(5, 4, source, &from, DDBLTFAST_NOCOLORKEY), DD_OK);
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 8; ++x) {
            const bool inside = x >= 5 && y >= 4;
            const std::uint16_t expected = inside ? At(source, x - 4, y - 3) : before[y * 8 + x];
            EXPECT_EQ(At(dest, x, y), expected) << x << "," << y;
        }
    }
    ASSERT_EQ(dest->BltFast(0, 0, source, nullptr, DDBLTFAST_WAIT), DD_OK);  // null: the whole source
    EXPECT_EQ(At(dest, 3, 2), At(source, 3, 2));
}

TEST_F(Blits, BltFastRefusesBadRectanglesAndDrawsNothing)
{
    RECT empty{2, 1, 2, 3}, inverted{3, 1, 1, 3}, upsideDown{0, 2, 4, 1};
    RECT pastSource{1, 0, 5, 3}, aboveSource{0, -1, 4, 2}, whole{0, 0, 4, 3};
    EXPECT_EQ(dest->BltFast(0, 0, source, &empty, 0), DDERR_INVALIDRECT);
    EXPECT_EQ(dest->BltFast(0, 0, source, &inverted, 0), DDERR_INVALIDRECT);
    EXPECT_EQ(dest->BltFast(0, 0, source, &upsideDown, 0), DDERR_INVALIDRECT);
    EXPECT_EQ(dest->BltFast(0, 0, source, &pastSource, 0), DDERR_INVALIDRECT);
    EXPECT_EQ(dest->BltFast(0, 0, source, &aboveSource, 0), DDERR_INVALIDRECT);
    EXPECT_EQ(dest->BltFast(5, 0, source, &whole, 0), DDERR_INVALIDRECT);  // one column past the right
    EXPECT_EQ(dest->BltFast(0, 4, source, &whole, 0), DDERR_INVALIDRECT);  // one row past the bottom
    EXPECT_EQ(dest->BltFast(static_cast<DWORD>(-1), 0, source, &whole, 0), DDERR_INVALIDRECT);
    EXPECT_NE(dest->BltFast(0, 0, nullptr, &whole, 0), DD_OK);
    EXPECT_TRUE(DestUnchanged());
    EXPECT_EQ(dest->BltFast(4, 3, source, &whole, 0), DD_OK);  // flush with the corner fits
}

TEST_F(Blits, TheSourceKeyIsSkippedOnlyWhenAsked)
{
    const std::uint16_t key = At(source, 1, 0);
    ASSERT_EQ(dest->BltFast(0, 0, source, nullptr, DDBLTFAST_SRCCOLORKEY), DD_OK);  // no key set yet
    EXPECT_EQ(At(dest, 1, 0), key);
    Number(dest, 1000);
    DDCOLORKEY colourKey{key, key};
    ASSERT_EQ(source->SetColorKey(DDCKEY_SRCBLT, &colourKey), DD_OK);
    source->Pixels()[2 * 4 + 3] = key;

    ASSERT_EQ(dest->BltFast(0, 0, source, nullptr, DDBLTFAST_SRCCOLORKEY), DD_OK);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 4; ++x) {
            const bool keyed = (x == 1 && y == 0) || (x == 3 && y == 2);
            EXPECT_EQ(At(dest, x, y), keyed ? before[y * 8 + x] : At(source, x, y)) << x << "," << y;
        }
    }
    ASSERT_EQ(dest->BltFast(0, 0, source, nullptr, DDBLTFAST_NOCOLORKEY), DD_OK);
    EXPECT_EQ(At(dest, 1, 0), key);
}

TEST_F(Blits, BltFastOntoItselfReadsThePixelsAsTheyWere)
{
    RECT from{0, 0, 7, 5};
    ASSERT_EQ(dest->BltFast(1, 1, dest, &from, 0), DD_OK);  // one down and right: overlapping rows
    for (int y = 1; y < 6; ++y)
        for (int x = 1; x < 8; ++x) EXPECT_EQ(At(dest, x, y), before[(y - 1) * 8 + x - 1]) << x << "," << y;
}

TEST_F(Blits, BltStretchesNearestNeighbour)
{
    RECT to{0, 0, 8, 6};
    ASSERT_EQ(dest->Blt(&to, source, nullptr, 0, nullptr), DD_OK);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 8; ++x) EXPECT_EQ(At(dest, x, y), At(source, x / 2, y / 2)) << x << "," << y;

    // Shrinking takes the pixel under each centre; a rectangle beyond either surface is refused.
    Number(dest, 500);
    RECT small{0, 0, 2, 3}, outside{6, 0, 9, 3};
    ASSERT_EQ(source->Blt(&small, dest, &to, 0, nullptr), DD_OK);
    EXPECT_EQ(At(source, 0, 0), At(dest, 2, 1));
    EXPECT_EQ(At(source, 1, 2), At(dest, 6, 5));
    EXPECT_EQ(dest->Blt(&outside, source, nullptr, 0, nullptr), DDERR_INVALIDRECT);
    EXPECT_EQ(dest->Blt(nullptr, nullptr, nullptr, 0, nullptr), DDERR_INVALIDPARAMS);
}

