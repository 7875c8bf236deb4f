// Background pictures across encoders: a 24-bit PCX file from ImageMagick decodes through the
// game's reader to exactly its source's pixels cut to 16 bits, ours decodes back exactly, and
// ImageMagick reads ours as the very picture it was made from.
#include <memory>
#include <random>

#include "gfx/surface.h"
#include "imgfile/image_files.h"
#include "imgfile/pcx_writer.h"
#include "imgfile/program_run.h"

namespace {

// Rows of every kind an encoder meets: noise, one value across the row (runs longer than 63),
// lone values that read as run headers, and short runs.
RgbImage SourcePicture() {
    std::mt19937 random(2000);
    RgbImage picture{100, 24, {}};
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x)
            for (int c = 0; c < 3; ++c) {
                const unsigned values[] = {static_cast<unsigned>(random()), 0xC7u + c,
                                           (x + c) % 2 ? 0xC0u : 0xFFu - x, x / 3u * 7 + y + c * 50u};
                picture.rgb.push_back(static_cast<std::uint8_t>(values[y % 4]));
            }
    return picture;
}

// The file through the game's reader, in both layouts, is the source cut to 16 bits.
void ExpectDecodesTo(const std::string& path, const RgbImage& source) {
    for (const bool is565 : {true, false}) {
        SCOPED_TRACE(path + (is565 ? " at 5-6-5" : " at 5-5-5"));
        DisplayUp display(is565);
        const auto background = std::make_unique<Surface>();
        ASSERT_EQ(background->LoadBackground(path.c_str()), 1);
        ASSERT_EQ(std::pair(int{background->width}, int{background->height}), std::pair(source.width, source.height));
        EXPECT_TRUE(PixelsOf(background->pixels, std::size_t{100} * 24) == CutTo16(source, is565));
    }
}

}  // namespace

TEST(PcxInterop, PicturesPassBetweenOurWriterTheGameAndImageMagick) {
    const ScratchDir scratch;
    const RgbImage source = SourcePicture();
    const std::string png = (scratch.path / "source.png").string(), ours = (scratch.path / "ours.pcx").string();
    const std::string magick = (scratch.path / "magick.pcx").string(), rgb = (scratch.path / "ours.rgb").string();
    ASSERT_TRUE(WritePng(png, source));
    ASSERT_TRUE(WritePcx(ours, source));
    ExpectDecodesTo(ours, source);

    if (RunProgram({"convert", "-version"}, scratch.path).status != 0) GTEST_SKIP() << "no ImageMagick convert";
    ProgramRun run = RunProgram({"convert", png, "-type", "TrueColor", "pcx:" + magick}, scratch.path);
    ASSERT_EQ(run.status, 0) << run.err;
    ExpectDecodesTo(magick, source);
    run = RunProgram({"convert", ours, "-depth", "8", "rgb:" + rgb}, scratch.path);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(ReadBytes(rgb) == source.rgb);
}
