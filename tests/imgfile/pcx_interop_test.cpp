// Background pictures across encoders: a 24-bit PCX file from ImageMagick decodes through the
// game's reader to exactly its source's pixels cut to 16 bits, and ImageMagick reads ours as
// the very picture it was made from. Ours through the game's reader: qsftool's and the
// intro's runs.
#include <random>

#include "gfx/surface.h"
#include "imgfile/image_files.h"
#include "imgfile/pcx_writer.h"
#include "common/program_run.h"

TEST(PcxInterop, PicturesPassBetweenOurWriterTheGameAndImageMagick) {
    // Rows of every kind an encoder meets: noise, one value across the row (runs longer than
    // 63), lone values that read as run headers, and short runs.
    std::mt19937 random(2000);
    RgbImage source{100, 24, {}};
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 100; ++x)
            for (unsigned c = 0; c < 3; ++c) {
                const unsigned values[] = {static_cast<unsigned>(random()), 0xC7 + c, (x + c) % 2 ? 0xC0u : 0xFFu - x,
                                           x / 3u * 7 + y + c * 50};
                source.rgb.push_back(static_cast<std::uint8_t>(values[y % 4]));
            }
    const ScratchDir scratch;
    const std::string png = (scratch.path / "source.png").string(), ours = (scratch.path / "ours.pcx").string();
    const std::string magick = (scratch.path / "magick.pcx").string(), rgb = (scratch.path / "ours.rgb").string();
    ASSERT_TRUE(WritePng(png, source));
    ASSERT_TRUE(WritePcx(ours, source));
    if (RunProgram({"convert", "-version"}, scratch.path).status != 0) GTEST_SKIP() << "no ImageMagick convert";
    ASSERT_EQ(RunProgram({"convert", png, "-type", "TrueColor", "pcx:" + magick}, scratch.path).status, 0);
    DisplayUp display(false);
    Surface background;
    ASSERT_EQ(background.LoadBackground(magick.c_str()), 1);
    ASSERT_EQ(std::pair(int{background.width}, int{background.height}), std::pair(100, 24));
    EXPECT_TRUE(PixelsOf(background.pixels, 100 * 24) == CutTo16(source, false));
    ASSERT_EQ(RunProgram({"convert", ours, "-depth", "8", "rgb:" + rgb}, scratch.path).status, 0);
    EXPECT_TRUE(ReadBytes(rgb) == source.rgb);
}
