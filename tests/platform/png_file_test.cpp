// PNG files: failures, and 16-bit widening. Round trips and a file that is no PNG are pinned by
// the file tool's tests, and ImageMagick reads what WritePng writes in the picture
// interoperability test.
#include "platform/png_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <utility>

#include "common/scratch_dir.h"

using Rgb = std::vector<std::uint8_t>;

TEST(PngFile, FailuresSayWhyAndLeaveNoFile)
{
    const ScratchDir scratch;
    const std::string path = (scratch.path / "x.png").string();
    std::string error;
    EXPECT_FALSE(WritePng(path, RgbImage{2, 2, {1, 2, 3}}, &error));  // fewer bytes than pixels
    EXPECT_NE(error.find(path), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_FALSE(WritePng("/nonexistent-folder/x.png", RgbImage{1, 1, {1, 2, 3}}, &error));
    RgbImage image;
    error.clear();
    EXPECT_FALSE(ReadPng(path, &image, &error));  // no such file
    EXPECT_FALSE(error.empty());
}

TEST(PngFile, Expand16ReplicatesTheTopBits)
{
    const std::uint16_t pixels565[] = {0xFFFF, 0xF800, 0x0400, 0x0021, 0x0000};
    EXPECT_EQ(Expand16(pixels565, 5, 1, true).rgb,
              (Rgb{255, 255, 255, 255, 0, 0, 0, 130, 0, 0, 4, 8, 0, 0, 0}));
    const std::uint16_t pixels555[] = {0x7FFF, 0x7C00, 0x0200, 0x8421};
    const RgbImage narrow = Expand16(pixels555, 2, 2, false);
    EXPECT_EQ(std::pair(narrow.width, narrow.height), std::pair(2, 2));
    EXPECT_EQ(narrow.rgb, (Rgb{255, 255, 255, 255, 0, 0, 0, 132, 0, 8, 8, 8}));
    EXPECT_TRUE(Expand16(pixels555, 0, 3, false).rgb.empty());
}
