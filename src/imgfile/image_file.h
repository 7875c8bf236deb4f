// Writing a picture file whole or not at all: bytes are gathered in memory, then stored.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/png_file.h"

// Checks that the picture's sides fit a game surface and its pixel bytes match them.
bool CheckPictureSize(const RgbImage& image, std::string* why);

// Stores bytes as the file at path; a failed write removes what was written.
bool StoreFile(const std::string& path, const std::vector<std::uint8_t>& bytes, std::string* why);

// Appends a little-endian 16-bit value.
void PutWord(std::vector<std::uint8_t>& bytes, unsigned value);

// Fills *error, when given, with "path: why" and returns false.
bool FailWrite(const std::string& path, const std::string& why, std::string* error);
