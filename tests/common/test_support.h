// What the picture-file, whole-game and generated-data tests share: raw bytes of a file,
// pixels cut to 16 bits, and the display up in one layout for the length of a test.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "gfx/display.h"
#include "platform/headless/headless.h"
#include "platform/png_file.h"

using Bytes = std::vector<std::uint8_t>;

inline Bytes ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const std::filesystem::path& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    EXPECT_TRUE(out.good()) << path;
}

// The picture's pixels cut to 16 bits, each channel to its top 5 bits (green in 5-6-5: 6).
inline std::vector<std::uint16_t> CutTo16(const RgbImage& picture, bool is565) {
    std::vector<std::uint16_t> pixels;
    for (std::size_t n = 0; n + 2 < picture.rgb.size(); n += 3) {
        const unsigned red = picture.rgb[n] >> 3, blue = picture.rgb[n + 2] >> 3;
        const unsigned green = picture.rgb[n + 1] >> (is565 ? 2 : 3);
        pixels.push_back(static_cast<std::uint16_t>(red << (is565 ? 11 : 10) | green << 5 | blue));
    }
    return pixels;
}

// A PNG file back as 16-bit pixels: its channels were widened by repeating their bits, so the
// top bits are the pixel's.
inline std::vector<std::uint16_t> ReadPngAs16(const std::string& path, bool is565) {
    RgbImage image;
    std::string error;
    EXPECT_TRUE(ReadPng(path, &image, &error)) << path << ": " << error;
    return CutTo16(image, is565);
}

// Surfaces must be gone before it ends.
struct DisplayUp {
    explicit DisplayUp(bool is565) {
        headless::SetLayout565(is565);
        EXPECT_EQ(InitDisplay(), 1);
    }
    ~DisplayUp() { ReleaseDisplay(); }
};
