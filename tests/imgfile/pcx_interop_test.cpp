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
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            for (int channel = 0; channel < 3; ++channel) {
                std::uint8_t value = 0;
                switch (y % 4) {
                    case 0: value = static_cast<std::uint8_t>(random()); break;
                    case 1: value = static_cast<std::uint8_t>(0xC7 + channel); break;
                    case 2: value = static_cast<std::uint8_t>((x + channel) % 2 ? 0xC0 : 0xFF - x); break;
                    default: value = static_cast<std::uint8_t>(x / 3 * 7 + y + channel * 50); break;
                }
                picture.rgb.push_back(value);
            }
        }
    }
    return picture;
}

std::vector<std::uint16_t> CutTo16(const RgbImage& picture, bool is565) {
    std::vector<std::uint16_t> pixels;
    for (std::size_t n = 0; n < picture.rgb.size(); n += 3) {
        const unsigned red = picture.rgb[n], green = picture.rgb[n + 1], blue = picture.rgb[n + 2];
        pixels.push_back(static_cast<std::uint16_t>(is565 ? (red & 0xF8) << 8 | (green & 0xFC) << 3 | blue >> 3
                                                          : (red & 0xF8) << 7 | (green & 0xF8) << 2 | blue >> 3));
    }
    return pixels;
}

// The file through the game's reader, in both layouts, is the source cut to 16 bits.
void ExpectDecodesTo(const std::string& path, const RgbImage& source) {
    for (const bool is565 : {true, false}) {
        SCOPED_TRACE(is565 ? "5-6-5" : "5-5-5");
        DisplayUp display(is565);
        const auto background = std::make_unique<Surface>();
        ASSERT_EQ(background->LoadBackground(path.c_str()), 1);
        EXPECT_TRUE(headless::MessageBoxes().empty());
        ASSERT_EQ(background->width, source.width);
        ASSERT_EQ(background->height, source.height);
        EXPECT_TRUE(PixelsOf(background->pixels, std::size_t{background->width} * background->height) ==
                    CutTo16(source, is565));
    }
}

struct PcxInteropTest : ::testing::Test {
    ScratchDir scratch;
    RgbImage source = SourcePicture();
    std::string sourcePng = (scratch.path / "source.png").string();

    void SetUp() override { ASSERT_TRUE(WritePng(sourcePng, source)); }
    bool ImageMagickMissing() { return RunProgram({"convert", "-version"}, scratch.path).status != 0; }
};

TEST_F(PcxInteropTest, ImageMagickPictureDecodesToTheCutSourcePixels) {
    if (ImageMagickMissing()) GTEST_SKIP() << "ImageMagick's convert is not installed";
    const std::string pcx = (scratch.path / "magick.pcx").string();
    const ProgramRun run = RunProgram({"convert", sourcePng, "-type", "TrueColor", "pcx:" + pcx}, scratch.path);
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
