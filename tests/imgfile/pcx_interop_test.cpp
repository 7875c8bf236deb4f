// Background pictures across encoders: a 24-bit PCX file from ImageMagick decodes through the
// game's reader to exactly its source's pixels cut to 16 bits, ours decodes back exactly, and
// ImageMagick reads ours as the very picture it was made from.
#include <memory>
#include <random>

#include "gfx/surface.h"
#include "imgfile/image_files.h"
#include "imgfile/pcx_writer.h"
#include "imgfile/program_run.h"
#include "platform/png_file.h"

namespace {

// Rows of every kind an encoder meets: noise, one value across the row (runs longer than 63),
// lone values that read as run headers, and short runs.
RgbImage SourcePicture() {
    constexpr int kWidth = 100, kHeight = 24;
    std::mt19937 random(2000);
    RgbImage picture{kWidth, kHeight, {}};
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            for (int c = 0; c < 3; ++c) {
                const unsigned values[] = {static_cast<unsigned>(random()), 0xC7u + c,
                                           (x + c) % 2 ? 0xC0u : 0xFFu - x,
                                           x / 3u * 7 + y + c * 50u};
                picture.rgb.push_back(static_cast<std::uint8_t>(values[y % 4]));
            }
    return picture;
}

// The file through the game's reader, in both layouts, is the source cut to 16 bits.
void ExpectDecodesTo(const std::string& path, const RgbImage& source) {
    for (const bool is565 : {true, false}) {
        SCOPED_TRACE(is565 ? "5-6-5" : "5-5-5");
        DisplayUp display(is565);
        const auto background = std::make_unique<Surface>();
        ASSERT_EQ(background->LoadBackground(path.c_str()), 1);
        ASSERT_EQ(background->width, source.width);
        ASSERT_EQ(background->height, source.height);
        const std::size_t count = std::size_t{background->width} * background->height;
        EXPECT_TRUE(PixelsOf(background->pixels, count) == CutTo16(source, is565));
    }
}

struct PcxInteropTest : ::testing::Test {
    ScratchDir scratch;
    RgbImage source = SourcePicture();
    std::string sourcePng = (scratch.path / "source.png").string();

    void SetUp() override { ASSERT_TRUE(WritePng(sourcePng, source)); }
    bool ImageMagickMissing() {
        return RunProgram({"convert", "-version"}, scratch.path).status != 0;
    }
};

TEST_F(PcxInteropTest, ImageMagickPictureDecodesToTheCutSourcePixels) {
    if (ImageMagickMissing()) GTEST_SKIP() << "ImageMagick's convert is not installed";
    const std::string pcx = (scratch.path / "magick.pcx").string();
    const ProgramRun run =
        RunProgram({"convert", sourcePng, "-type", "TrueColor", "pcx:" + pcx}, scratch.path);
    ASSERT_EQ(run.status, 0) << run.err;
    ExpectDecodesTo(pcx, source);
}

TEST_F(PcxInteropTest, OurPictureDecodesBackExactlyAndImageMagickReadsItAsItsSource) {
    const std::string pcx = (scratch.path / "ours.pcx").string();
    ASSERT_TRUE(WritePcx(pcx, source));
    ExpectDecodesTo(pcx, source);

    if (ImageMagickMissing()) GTEST_SKIP() << "ImageMagick's convert is not installed";
    const std::string rgb = (scratch.path / "ours.rgb").string();
    const ProgramRun run = RunProgram({"convert", pcx, "-depth", "8", "rgb:" + rgb}, scratch.path);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(ReadBytes(rgb) == source.rgb);
}

}  // namespace
