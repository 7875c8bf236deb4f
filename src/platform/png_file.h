// PNG files of 8-bit RGB pictures, for the tools and for captured frames.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;  // 3 bytes a pixel, rows from the top, no gaps
};

// Writes the picture; on failure removes any partial file and describes the problem.
bool WritePng(const std::string& path, const RgbImage& image, std::string* error = nullptr);
// Reads any PNG as 8-bit RGB (palette and grey expanded, 16-bit reduced, alpha dropped).
bool ReadPng(const std::string& path, RgbImage* image, std::string* error = nullptr);
// A 16-bit picture to 8-bit RGB, each channel widened by bit replication.
RgbImage Expand16(const std::uint16_t* pixels, int width, int height, bool is565);
