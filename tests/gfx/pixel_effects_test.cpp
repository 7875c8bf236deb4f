#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
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

using EffectsTest = LayoutTest;

constexpr int kAdd = -1;  // in place of a weight: the additive blend

// One source pixel, keyed or not, added or blended at a weight onto one destination pixel.
TEST_P(EffectsTest, BlendsTruncateEachQuotientAndSaturate)
{
    const unsigned g = TheDisplay.greenMax;
    struct Case {
        std::uint16_t source, dest;
        int weight;
        bool keyed;
        std::uint16_t expected;
    };
    const Case cases[] = {
        {Colour(20, 20, 5), Colour(20, 15, 5), kAdd, false, Colour(31, std::min(35u, g), 10)},
        {Colour(1, 2, 3), Colour(4, 5, 6), kAdd, true, Colour(4, 5, 6)},
        // 31 x 30 / 100 = 9 and 10 x 70 / 100 = 7; 1 x 30 / 100 and 1 x 70 / 100 are both 0.
        {Colour(31, 31, 31), Colour(10, 10, 10), 30, false, Colour(16, 16, 16)},
        {Colour(1, 1, 1), Colour(1, 1, 1), 30, false, Colour(0, 0, 0)},
        {Colour(20, 3, 17), Colour(6, 29, 0), 100, false, Colour(20, 3, 17)},
        {Colour(20, 3, 17), Colour(6, 29, 0), 100, true, Colour(6, 29, 0)},
        {Colour(20, 3, 17), Colour(6, 29, 0), 0, false, Colour(6, 29, 0)},
        // Above 100 the weight is 100: the source is copied rather than the sum wrapping.
        {Colour(20, 3, 17), Colour(6, 29, 0), 101, false, Colour(20, 3, 17)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << &c - cases);
        Surface sprite;
        ASSERT_EQ(sprite.Create(4, 1), 1);
        sprite.Fill(c.source);
        if (c.keyed) sprite.SetColorKey(c.source);
        Canvas canvas(640, 480);
        canvas.Fill(c.dest);
        if (c.weight == kAdd)
            sprite.BlendAddTo(canvas, 5, 5);
        else
            sprite.BlendPercentTo(canvas, 5, 5, static_cast<std::uint8_t>(c.weight));
        EXPECT_EQ(canvas.GetPixel(5, 5), c.expected);
    }
}

// Each channel moves by up to four, stopping at 0 or at its maximum, over the whole screen.
TEST_P(EffectsTest, FadeMovesEachChannelByUpToFourWithinItsRange)
{
    const unsigned g = TheDisplay.greenMax;
    struct Case {
        std::uint16_t before;
        bool brighten;
        std::uint16_t after;
    };
    const Case cases[] = {
        {Colour(3, 20, 31), false, Colour(0, 16, 27)},
        {Colour(4, 5, 1), false, Colour(0, 1, 0)},
        {Colour(10, g - 2, 0), true, Colour(14, g, 4)},
        {Colour(31, g, 28), true, Colour(31, g, 31)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << &c - cases);
        Canvas canvas(640, 480);
        canvas.Fill(c.before);
        canvas.FadeStep(c.brighten);
        EXPECT_EQ(PixelsOf(canvas), std::vector<std::uint16_t>(640 * 480, c.after));
    }
}

// ---------------------------------------------------------------------------------------------
// The fast blends and fade against the plain per-pixel rules, on random pictures, places and
// weights. Raw random words also exercise 5-5-5 pixels with their top bit set.

int Between(std::mt19937& random, int low, int high)
{
    return std::uniform_int_distribution<int>(low, high)(random);
}

// Random words, one in eight of them the key.
void Scatter(std::mt19937& random, Surface& s, std::uint16_t key)
{
    for (int i = 0; i < s.width * s.height; ++i)
        s.pixels[i] = Between(random, 0, 7) == 0
                          ? key
                          : static_cast<std::uint16_t>(Between(random, 0, 0xFFFF));
}

// A destination and its copy, for the fast and the plain version to draw on.
void Twins(std::mt19937& random, Surface& fast, Surface& plain, int width, int height,
           std::uint16_t key)
{
    ASSERT_EQ(fast.Create(static_cast<std::uint16_t>(width), static_cast<std::uint16_t>(height)),
              1);
    ASSERT_EQ(plain.Create(static_cast<std::uint16_t>(width), static_cast<std::uint16_t>(height)),
              1);
    Scatter(random, fast, key);
    std::memcpy(plain.pixels, fast.pixels, 2u * width * height);
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
        ASSERT_EQ(sprite.Create(static_cast<std::uint16_t>(w), static_cast<std::uint16_t>(h)), 1);
        const auto key = static_cast<std::uint16_t>(Between(r, 0, 0xFFFF));
        Scatter(r, sprite, key);
        if (Between(r, 0, 3) != 0) sprite.SetColorKey(key);

        const int destW = Between(r, 0, 1) ? 640 : 4 * Between(r, 1, 40);
        const int destH = Between(r, 0, 1) ? 480 : Between(r, 1, 90);
        Surface fast;
        Surface plain;
        Twins(r, fast, plain, destW, destH, key);
        const auto x = static_cast<std::int16_t>(Between(r, -w - 4, destW + 4));
        const auto y = static_cast<std::int16_t>(Between(r, -h - 4, destH + 4));
        if (round % 2) {
            sprite.BlendAddTo(fast, x, y);
            reference::BlendAdd(sprite, plain, x, y);
        } else {
            const auto weight = static_cast<std::uint8_t>(Between(r, 0, 100));
            sprite.BlendPercentTo(fast, x, y, weight);
            reference::BlendPercent(sprite, plain, x, y, weight);
        }
        ASSERT_EQ(PixelsOf(fast), PixelsOf(plain)) << "round " << round << " at " << x << "," << y;
    }
    for (const auto& [w, h] : {std::pair{640, 480}, {100, 30}, {800, 500}}) {
        Surface fast;
        Surface plain;
        Twins(r, fast, plain, w, h, 0);
        for (const bool brighten : {true, false, true}) {
            fast.FadeStep(brighten);
            reference::Fade(plain, brighten);
            ASSERT_EQ(PixelsOf(fast), PixelsOf(plain)) << w << "x" << h;
        }
    }
}

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
    ASSERT_EQ(TheDisplay.is565, 0);
    ASSERT_EQ(TheDisplay.greenMax, 63);
    CompareWithThePlainRules(63);
}

INSTANTIATE_TEST_SUITE_P(Layouts, EffectsTest, ::testing::Bool());

}  // namespace
