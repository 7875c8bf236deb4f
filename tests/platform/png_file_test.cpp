// PNG files: a round trip, failures, and 16-bit widening.
#include "platform/png_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <tuple>
#include <utility>

namespace {

std::string TempPath(const char* name)
{
    return (std::filesystem::temp_directory_path() /
            (std::string("tumblox-") + ::testing::UnitTest::GetInstance()->current_test_info()->name() + name))
        .string();
}

}  // namespace

TEST(PngFile, RoundTrip)
{
    RgbImage image{3, 2, {1, 2, 3, 4, 5, 6, 7, 8, 9, 250, 251, 252, 0, 0, 0, 255, 128, 64}};
    const std::string path = TempPath(".png");
    std::string error;
    ASSERT_TRUE(WritePng(path, image, &error)) << error;
    RgbImage back;
    ASSERT_TRUE(ReadPng(path, &back, &error)) << error;
    EXPECT_EQ(std::tie(back.width, back.height, back.rgb), std::tie(image.width, image.height, image.rgb));
    std::filesystem::remove(path);
}

TEST(PngFile, FailuresSayWhyAndLeaveNoFile)
{
    std::string error;
    const std::string path = TempPath(".png");
    EXPECT_FALSE(WritePng(path, RgbImage{2, 2, {1, 2, 3}}, &error));  // fewer bytes than pixels
    EXPECT_NE(error.find(path), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_FALSE(WritePng("/nonexistent-folder/x.png", RgbImage{1, 1, {1, 2, 3}}, &error));

    const std::string notPng = TempPath(".txt");
    std::ofstream(notPng) << "not a picture";
    RgbImage image;
    error.clear();
    EXPECT_FALSE(ReadPng(notPng, &image, &error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(ReadPng(path, &image, &error));  // no such file
    std::filesystem::remove(notPng);
}

TEST(PngFile, Expand16ReplicatesTheTopBits)
{
    const std::uint16_t pixels565[] = {0xFFFF, 0xF800, 0x0400, 0x0021, 0x0000};
    const RgbImage wide = Expand16(pixels565, 5, 1, true);
    EXPECT_EQ(wide.rgb, (std::vector<std::uint8_t>{255, 255, 255, 255, 0, 0, 0, 130, 0, 0, 4, 8, 0, 0, 0}));
    const std::uint16_t pixels555[] = {0x7FFF, 0x7C00, 0x0200, 0x8421};
    const RgbImage narrow = Expand16(pixels555, 2, 2, false);
    EXPECT_EQ(std::pair(narrow.width, narrow.height), std::pair(2, 2));
    EXPECT_EQ(narrow.rgb, (std::vector<std::uint8_t>{255, 255, 255, 255, 0, 0, 0, 132, 0, 8, 8, 8}));
    EXPECT_TRUE(Expand16(pixels555, 0, 3, false).rgb.empty());
}
