// The five sprite packs and the background picture, read by the game's own readers in both
// display layouts, and what the player sees of them.
#include <cstring>
#include <tuple>

#include "generated_data.h"
#include "platform/png_file.h"

namespace {

class Packs : public ::testing::TestWithParam<bool> {
protected:
    DisplayUp display{GetParam()};
};

// A sprite as the player sees it, and a pixel's brightness (Rec. 601 luma).
RgbImage Seen(const Surface& s) { return Expand16(s.pixels, s.width, s.height, TheDisplay.is565); }
double Luma(const std::uint8_t* p) { return 0.299 * p[0] + 0.587 * p[1] + 0.114 * p[2]; }

// Each pack holds exactly its images, in its layout (0 = 5-5-5, 1 = 5-6-5), of its sizes
// (exact, or at most). The flames and explosions are added with a white key: a pixel that
// came out as the key would be a hole in the fire, so none may.
TEST_P(Packs, CountsSizesAndLayoutsAreTheOnesTheGameTakes) {
    for (auto [name, count, format, width, height, exact, whiteKeyed] :
         {std::tuple{"Logo.QSF", 1, 1, 268, 140, false, false}, {"Block.QSF", 8, 1, 24, 16, true, false},
          {"Flame.Qsf", 21, 0, 16, 24, true, true}, {"Explo.Qsf", 23, 1, 128, 128, true, true},
          {"Combo.Qsf", 1, 0, 320, 480, false, false}}) {
        SCOPED_TRACE(name);
        const LoadedPack pack = LoadPack(name, count);
        EXPECT_EQ(pack.declared, count);
        EXPECT_EQ(pack.format, format);
        ASSERT_EQ(pack.images.size(), std::size_t(count));
        std::size_t bytes = 19;  // the header, then each image's size and pixels
        for (const auto& image : pack.images) {
            bytes += 4 + std::size_t(image->width) * image->height * 2;
            EXPECT_TRUE(image->width <= width && image->height <= height);
            EXPECT_TRUE(!exact || (image->width == width && image->height == height));
            std::uint16_t* const end = image->pixels + image->width * image->height;
            EXPECT_TRUE(!whiteKeyed || std::find(image->pixels, end, TheDisplay.is565 ? 0xFFFF : 0x7FFF) == end);
        }
        EXPECT_EQ(ReadBytes(name).size(), bytes);
    }
}

// The background is read at the size it declares. Dimmed by the intro, it still shows a
// scene in both layouts beside the well: half the strip left of it lit to level 2 or more
// in red or blue (5-5-5 keeps no more than 3) with dark hills against it.
TEST_P(Packs, TheBackgroundStaysVisibleAfterTheIntrosDimming) {
    Surface background;
    ASSERT_EQ(background.LoadBackground("BACK1.Qsf"), 1);
    ASSERT_TRUE(background.width == 640 && background.height == 480);
    for (int step = 0; step < 7; ++step) background.FadeStep(0);
    const RgbImage seen = Seen(background);
    int lit = 0, dark = 0;
    for (std::size_t i = 0; i < seen.rgb.size(); i += 3) {
        lit += i / 3 % 640 < 64 && (seen.rgb[i] >= 16 || seen.rgb[i + 2] >= 16);
        dark += i / 3 % 640 < 64 && Luma(&seen.rgb[i]) == 0;
    }
    EXPECT_TRUE(lit > 64 * 480 / 2 && dark > 64 * 480 / 20) << lit << " lit, " << dark << " dark";
}

// The seven piece colours and the stone are at least 12 apart in mean brightness, so they
// differ by more than hue; the banner's bright letters lie within the well's inside when it
// is drawn at x = 30 (sprite x 34 to 322) and fill most of it.
TEST_P(Packs, BlocksDifferInBrightnessAndTheBannerFitsTheWell) {
    std::vector<double> luma;
    for (const auto& cell : LoadPack("Block.QSF", 8).images) {
        const RgbImage seen = Seen(*cell);
        double sum = 0, count = 0;
        for (std::size_t i = 0; i < seen.rgb.size(); i += 3)  // leaving out the key, magenta
            if (std::memcmp(&seen.rgb[i], "\xFF\x00\xFF", 3) != 0) sum += Luma(&seen.rgb[i]), ++count;
        luma.push_back(sum / count);
    }
    std::sort(luma.begin(), luma.end());
    for (std::size_t i = 1; i < 8; ++i) EXPECT_GE(luma.at(i) - luma[i - 1], 12.0) << i;
    const RgbImage banner = Seen(*LoadPack("Combo.Qsf", 1).images.at(0));
    int left = banner.width, right = -1;
    for (std::size_t i = 0; i < banner.rgb.size(); i += 3)
        if (Luma(&banner.rgb[i]) >= 128)
            left = std::min(left, int(i / 3 % banner.width)), right = std::max(right, int(i / 3 % banner.width));
    EXPECT_TRUE(left >= 34 && right <= 322 && right - left > 240) << left << "-" << right;
}

INSTANTIATE_TEST_SUITE_P(Layouts, Packs, ::testing::Bool());

}  // namespace
