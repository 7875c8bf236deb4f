// The generator's own readers and its cut to 16-bit levels.
#include <cmath>
#include <fstream>

#include "generated_data.h"
#include "imgfile/pixel16.h"
#include "picture.h"
#include "unifont.h"

namespace {

TEST(Utf8, DecodesKoreanAndMarksBrokenSequences) {
    EXPECT_EQ(DecodeUtf8("A굉!"), (std::u32string{U'A', U'\uAD49', U'!'}));
    // A lead byte without its follower, a lone follower, and a sequence cut by the end.
    EXPECT_EQ(DecodeUtf8("\xEA" "A"), (std::u32string{U'\uFFFD', U'A'}));
    EXPECT_EQ(DecodeUtf8("\x80"), std::u32string{U'\uFFFD'});
    EXPECT_EQ(DecodeUtf8("\xEA\xB5"), (std::u32string{U'\uFFFD', U'\uFFFD'}));
}

TEST(Unifont, ReadsNarrowAndWideGlyphsAndNamesAMissingOne) {
    const std::string path = testing::TempDir() + "tumblox-font-" + std::to_string(::getpid()) + ".hex";
    {
        std::ofstream hex(path);
        hex << "0041:0000000018242442427E424242420000\n";
        hex << "AD49:" << std::string(4, '0') << "8001" << std::string(56, 'F') << "\n";
        hex << "garbage line\n";
    }
    GlyphSet glyphs;
    std::string error;
    ASSERT_TRUE(LoadGlyphs(path, {U"A\uAD49"}, &glyphs, &error)) << error;
    const Glyph& a = glyphs.at(U'A');
    EXPECT_EQ(a.width, 8);
    EXPECT_TRUE(a.Ink(3, 4) && a.Ink(4, 4) && !a.Ink(2, 4) && !a.Ink(0, 0));
    const Glyph& wide = glyphs.at(U'\uAD49');
    EXPECT_EQ(wide.width, 16);
    EXPECT_TRUE(wide.Ink(0, 1) && wide.Ink(15, 1) && !wide.Ink(1, 1) && !wide.Ink(7, 0));

    GlyphSet more;
    EXPECT_FALSE(LoadGlyphs(path, {U"AB"}, &more, &error));
    EXPECT_NE(error.find("U+0042"), std::string::npos) << error;
    std::remove(path.c_str());
    EXPECT_FALSE(LoadGlyphs(path, {U"A"}, &more, &error));
}

// What Quantize gives must come back unchanged through the writers' cut to 16 bits, and a
// dithered flat shade must average out to the shade.
TEST(Quantize, LevelsSurviveTheCutAndDitherAveragesRight) {
    Picture picture(64, 4);
    for (int x = 0; x < 64; ++x)
        for (int y = 0; y < 4; ++y) picture.At(x, y) = {x / 63.0f, 1.0f - x / 63.0f, (x * 7 % 64) / 63.0f};
    for (int greenBits : {5, 6}) {
        const RgbImage image = Quantize(picture, greenBits, false);
        for (int x = 0; x < 64; ++x) {
            const std::uint8_t* p = &image.rgb[static_cast<std::size_t>(x) * 3];
            const int red = p[0] >> 3, green = greenBits == 6 ? p[1] >> 2 : p[1] >> 3;
            EXPECT_EQ(red, static_cast<int>(std::lround(x / 63.0 * 31)));
            EXPECT_EQ(green, static_cast<int>(std::lround((1.0 - x / 63.0) * ((1 << greenBits) - 1))));
            // The byte repeats the level's top bits, so widening it back gives the same byte.
            const RgbImage wide = Expand16(std::vector<std::uint16_t>{Rgb565(p[0], p[1], p[2])}.data(), 1, 1, true);
            EXPECT_EQ(wide.rgb[0], p[0]);
            if (greenBits == 6) {
                EXPECT_EQ(wide.rgb[1], p[1]);
            }
        }
    }
    Picture flat(16, 16);
    for (Colour& c : flat.pixels) c = {10.25f / 31, 0, 0};
    const RgbImage dithered = Quantize(flat, 6, true);
    double sum = 0;
    for (std::size_t i = 0; i < dithered.rgb.size(); i += 3) sum += dithered.rgb[i] >> 3;
    EXPECT_NEAR(sum / 256, 10.25, 0.07);
}

}  // namespace
