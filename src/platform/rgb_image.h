// 8-bit RGB pictures, and the screen's 16-bit pixels widened into them.
#pragma once

#include <cstdint>
#include <vector>

struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;  // 3 bytes a pixel, rows from the top, no gaps
};

// One 16-bit pixel's red, green and blue, each channel widened by bit replication (white stays white).
void Widen16(std::uint16_t pixel, bool is565, std::uint8_t* rgb);
// A 16-bit picture to 8-bit RGB, pixel by pixel as Widen16.
RgbImage Expand16(const std::uint16_t* pixels, int width, int height, bool is565);
