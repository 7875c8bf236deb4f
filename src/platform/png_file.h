// PNG files of 8-bit RGB pictures, for the tools and for captured frames.
#pragma once

#include <string>

#include "platform/rgb_image.h"

// Writes the picture; on failure removes any partial file and describes the problem.
bool WritePng(const std::string& path, const RgbImage& image, std::string* error = nullptr);
// Reads any PNG as 8-bit RGB (palette and grey expanded, 16-bit reduced, alpha dropped).
bool ReadPng(const std::string& path, RgbImage* image, std::string* error = nullptr);
