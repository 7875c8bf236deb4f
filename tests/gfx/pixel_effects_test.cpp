#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "display_fixture.h"
#include "gfx/pixel_channels.h"
#include "reference_blend.h"

namespace {

using EffectsTest = LayoutTest;

TEST(DivideBy100, ExactOverItsWholeRange)
{
    for (unsigned n = 0; n <= 43599; ++n) ASSERT_EQ(pixel::DivideBy100(n), n / 100) << n;
    // The blend's largest product: a 6-bit channel, or 5-5-5 red with its top bit, times 100.
    static_assert(63 * 100 <= 43599);
}

// One source pixel blended onto one destination pixel at (5, 5) of a canvas.
std::uint16_t BlendOne(std::uint16_t source, std::uint16_t dest, int weight)
{
    Surface sprite;
    EXPECT_EQ(sprite.Create(4, 1), 1);
    sprite.Fill(source);
    Canvas canvas(640, 480);
    canvas.Fill(dest);
    if (weight < 0)
        EXPECT_EQ(sprite.BlendAddTo(canvas, 5, 5), 1);
    else
        EXPECT_EQ(sprite.BlendPercentTo(canvas, 5, 5, static_cast<std::uint8_t>(weight)), 1);
    EXPECT_EQ(canvas.GetPixel(4, 5), dest);
    EXPECT_EQ(canvas.GetPixel(9, 5), dest);
    return canvas.GetPixel(5, 5);
}

TEST_P(EffectsTest, AddSaturatesAtTheLayoutsMaxima)
{
    const unsigned greenMax = TheDisplay.is565 ? 63 : 31;
    EXPECT_EQ(BlendOne(Colour(20, 20, 5), Colour(20, 15, 5), -1), Colour(31, std::min(35u, greenMax), 10));
    EXPECT_EQ(BlendOne(Colour(1, 2, 3), Colour(4, 5, 6), -1), Colour(5, 7, 9));
}

TEST_P(EffectsTest, WeightedQuotientsAreTruncatedOneByOne)
{
    // 31 x 30 / 100 = 9 and 10 x 70 / 100 = 7; 1 x 30 / 100 and 1 x 70 / 100 are both 0.
    EXPECT_EQ(BlendOne(Colour(31, 31, 31), Colour(10, 10, 10), 30), Colour(16, 16, 16));
    EXPECT_EQ(BlendOne(Colour(1, 1, 1), Colour(1, 1, 1), 30), 0);
    EXPECT_EQ(BlendOne(Colour(20, 3, 17), Colour(6, 29, 0), 100), Colour(20, 3, 17));
    EXPECT_EQ(BlendOne(Colour(20, 3, 17), Colour(6, 29, 0), 0), Colour(6, 29, 0));
    // Above 100 the weight is 100: the source is copied rather than the sum wrapping.
    EXPECT_EQ(BlendOne(Colour(20, 3, 17), Colour(6, 29, 0), 101), Colour(20, 3, 17));
    EXPECT_EQ(BlendOne(Colour(20, 3, 17), Colour(6, 29, 0), 255), Colour(20, 3, 17));
}

TEST_P(EffectsTest, FadeMovesEachChannelByUpToFourWithinItsRange)
{
    const unsigned greenMax = TheDisplay.is565 ? 63 : 31;
    Canvas darker(640, 480);
    darker.PutPixel(0, 0, Colour(3, greenMax == 63 ? 40 : 20, 31));
    darker.PutPixel(639, 479, Colour(4, 5, 1));
    darker.FadeStep(0);
    EXPECT_EQ(darker.GetPixel(0, 0), Colour(0, greenMax == 63 ? 36 : 16, 27));
    EXPECT_EQ(darker.GetPixel(639, 479), Colour(0, 1, 0));
    EXPECT_EQ(darker.GetPixel(1, 0), 0);  // black stays black

    Canvas brighter(640, 480);
    brighter.PutPixel(0, 0, Colour(10, greenMax - 2, 0));  // 5-6-5: green 61 becomes 63
    brighter.PutPixel(639, 479, Colour(31, greenMax, 28));
    brighter.FadeStep(1);
    EXPECT_EQ(brighter.GetPixel(0, 0), Colour(14, greenMax, 4));
    EXPECT_EQ(brighter.GetPixel(639, 479), Colour(31, greenMax, 31));  // maxima stay
    EXPECT_EQ(brighter.GetPixel(1, 0), Colour(4, 4, 4));
}

// A smaller picture fades where it is; a larger one only within the 640x480 screen area.
TEST_P(EffectsTest, FadeKeepsToTheSurfaceAndTheScreenArea)
{
    Surface small;
    ASSERT_EQ(small.Create(100, 50), 1);
    small.Fill(Colour(10, 10, 10));
    small.FadeStep(1);
    EXPECT_EQ(PixelsOf(small), std::vector<std::uint16_t>(100 * 50, Colour(14, 14, 14)));

    Canvas big(800, 600);
    big.Fill(Colour(10, 10, 10));
    big.FadeStep(0);
    EXPECT_EQ(big.GetPixel(639, 479), Colour(6, 6, 6));
    EXPECT_EQ(big.GetPixel(640, 479), Colour(10, 10, 10));
    EXPECT_EQ(big.GetPixel(639, 480), Colour(10, 10, 10));
}

// ---------------------------------------------------------------------------------------------
// The fast blends and fade against the plain per-pixel rules, on random pictures, places and
// weights. Raw random words also exercise 5-5-5 pixels with their top bit set.

class RandomPictures {
public:
    explicit RandomPictures(unsigned seed) : random_(seed) {}

    int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

    void Scatter(Surface& s, std::uint16_t key)
    {
        for (int i = 0; i < s.width * s.height; ++i)
            s.pixels[i] = Between(0, 7) == 0 ? key : static_cast<std::uint16_t>(Between(0, 0xFFFF));
    }

private:
    std::mt19937 random_;
};

// Many random sprites, keyed or not, on random destinations at random places, partly or
// wholly off them, by both versions.
void CompareBlends(RandomPictures& r)
{
    for (int round = 0; round < 300; ++round) {
        Surface sprite;
        const auto w = static_cast<std::uint16_t>(4 * r.Between(1, 20));
        const auto h = static_cast<std::uint16_t>(r.Between(1, 40));
        ASSERT_EQ(sprite.Create(w, h), 1);
        const auto key = static_cast<std::uint16_t>(r.Between(0, 0xFFFF));
        r.Scatter(sprite, key);
        if (r.Between(0, 3) != 0) sprite.SetColorKey(key);

        const auto destW = static_cast<std::uint16_t>(r.Between(0, 1) ? 640 : 4 * r.Between(1, 40));
        const auto destH = static_cast<std::uint16_t>(r.Between(0, 1) ? 480 : r.Between(1, 90));
        Surface fast;
        Surface plain;
        ASSERT_EQ(fast.Create(destW, destH), 1);
        ASSERT_EQ(plain.Create(destW, destH), 1);
        r.Scatter(fast, key);
        std::memcpy(plain.pixels, fast.pixels, 2u * destW * destH);

        const auto x = static_cast<std::int16_t>(r.Between(-w - 4, destW + 4));
        const auto y = static_cast<std::int16_t>(r.Between(-h - 4, destH + 4));
        if (round % 2) {
            sprite.BlendAddTo(fast, x, y);
            reference::BlendAdd(sprite, plain, x, y);
        } else {
            const auto weight = static_cast<std::uint8_t>(r.Between(0, 100));
            sprite.BlendPercentTo(fast, x, y, weight);
            reference::BlendPercent(sprite, plain, x, y, weight);
        }
        ASSERT_EQ(PixelsOf(fast), PixelsOf(plain)) << "round " << round << " at " << x << "," << y;
    }
}

void CompareFades(RandomPictures& r)
{
    for (const auto& size : {std::pair<int, int>{640, 480}, {100, 30}, {800, 500}}) {
        const auto w = static_cast<std::uint16_t>(size.first);
        const auto h = static_cast<std::uint16_t>(size.second);
        Surface fast;
        Surface plain;
        ASSERT_EQ(fast.Create(w, h), 1);
        ASSERT_EQ(plain.Create(w, h), 1);
        r.Scatter(fast, 0);
        std::memcpy(plain.pixels, fast.pixels, 2u * w * h);
        for (const bool brighten : {true, false, true}) {
            fast.FadeStep(brighten);
            reference::Fade(plain, brighten);
            ASSERT_EQ(PixelsOf(fast), PixelsOf(plain)) << w << "x" << h;
        }
    }
}

using Randomised = LayoutTest;

TEST_P(Randomised, BlendsMatchThePlainRules)
{
    RandomPictures r(GetParam() ? 565 : 555);
    CompareBlends(r);
}

TEST_P(Randomised, FadeMatchesThePlainRules)
{
    RandomPictures r(GetParam() ? 5650 : 5550);
    CompareFades(r);
}

// A display that never found its layout keeps 5-5-5 with the start maxima (green up to 63);
// the fast paths must reproduce the plain arithmetic there too.
TEST(RandomisedPartialDisplay, MatchesThePlainRules)
{
    headless::FailCall(host::Call::GetAttachedSurface);
    ASSERT_EQ(InitDisplay(), 0);
    ASSERT_EQ(TheDisplay.is565, 0);
    ASSERT_EQ(TheDisplay.greenMax, 63);
    RandomPictures r(63);
    CompareBlends(r);
    CompareFades(r);
}

INSTANTIATE_LAYOUTS(EffectsTest);
INSTANTIATE_LAYOUTS(Randomised);

}  // namespace
