#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <utility>

#include "display_fixture.h"
#include "gfx/pixel_channels.h"
#include "reference_blend.h"

namespace {

TEST(DivideBy100, ExactOverItsWholeRange)
{
    for (unsigned n = 0; n <= 43599; ++n) ASSERT_EQ(pixel::DivideBy100(n), n / 100) << n;
    // The blend's largest product: a 6-bit channel, or 5-5-5 red with its top bit, times 100.
    static_assert(63 * 100 <= 43599);
}

// ---------------------------------------------------------------------------------------------
// The fast blends and fade against the plain per-pixel rules, on random pictures, places and
// weights (above 100 too). Raw random words also exercise 5-5-5 pixels with their top bit set.

int Between(std::mt19937& random, int low, int high)
{
    return std::uniform_int_distribution<int>(low, high)(random);
}

// A surface of random words, one in eight of them the key.
void Scatter(std::mt19937& random, Surface& s, int width, int height, std::uint16_t key)
{
    ASSERT_EQ(s.Create(static_cast<std::uint16_t>(width), static_cast<std::uint16_t>(height)), 1);
    for (int i = 0; i < width * height; ++i)
        s.pixels[i] = Between(random, 0, 7) == 0
                          ? key
                          : static_cast<std::uint16_t>(Between(random, 0, 0xFFFF));
}

// A destination and its copy, for the fast and the plain version to draw on.
void Twins(std::mt19937& random, Surface& fast, Surface& plain, int width, int height,
           std::uint16_t key)
{
    Scatter(random, fast, width, height, key);
    ASSERT_EQ(plain.Create(fast.width, fast.height), 1);
    std::copy(fast.pixels, fast.pixels + width * height, plain.pixels);
}

// Many random sprites, keyed or not, on random destinations at random places, partly or
// wholly off them; then fades of screen-sized, smaller and larger pictures.
void CompareWithThePlainRules(unsigned seed)
{
    std::mt19937 r(seed);
    for (int round = 0; round < 300; ++round) {
        Surface sprite;
        const int w = 4 * Between(r, 1, 20);
        const int h = Between(r, 1, 40);
        const auto key = static_cast<std::uint16_t>(Between(r, 0, 0xFFFF));
        Scatter(r, sprite, w, h, key);
        if (Between(r, 0, 3) != 0) sprite.SetColorKey(key);

        const int destW = Between(r, 0, 1) ? 640 : 4 * Between(r, 1, 40);
        const int destH = Between(r, 0, 1) ? 480 : Between(r, 1, 90);
        Surface fast, plain;
        Twins(r, fast, plain, destW, destH, key);
        const auto x = static_cast<std::int16_t>(Between(r, -w - 4, destW + 4));
        const auto y = static_cast<std::int16_t>(Between(r, -h - 4, destH + 4));
        if (round % 2) {
            sprite.BlendAddTo(fast, x, y);
            reference::BlendAdd(sprite, plain, x, y);
        } else {
            const auto weight = static_cast<std::uint8_t>(Between(r, 0, 120));
            sprite.BlendPercentTo(fast, x, y, weight);
            reference::BlendPercent(sprite, plain, x, y, weight);
        }
        ASSERT_EQ(PixelsOf(fast), PixelsOf(plain)) << "round " << round << " at " << x << "," << y;
    }
    for (const auto& [w, h] : {std::pair{640, 480}, {100, 30}, {800, 500}}) {
        Surface fast, plain;
        Twins(r, fast, plain, w, h, 0);
        for (const bool brighten : {true, false, true}) {
            fast.FadeStep(brighten);
            reference::Fade(plain, brighten);
            ASSERT_EQ(PixelsOf(fast), PixelsOf(plain)) << w << "x" << h;
        }
    }
}

using EffectsTest = LayoutTest;

TEST_P(EffectsTest, FastVersionsMatchThePlainRules)
{
    CompareWithThePlainRules(GetParam() ? 565 : 555);
}

// A display that never found its layout keeps 5-5-5 with the start maxima (green up to 63);
// the fast paths must reproduce the plain arithmetic there too.
TEST(PartialDisplay, FastVersionsMatchThePlainRules)
{
    headless::FailCall(host::Call::GetAttachedSurface);
    ASSERT_EQ(InitDisplay(), 0);
    ASSERT_EQ(TheDisplay.greenMax, 63);
    CompareWithThePlainRules(63);
    EXPECT_EQ(ReleaseDisplay() + ReleaseDisplay(), 2);  // released twice over without harm
}

INSTANTIATE_TEST_SUITE_P(Layouts, EffectsTest, ::testing::Bool());

}  // namespace
