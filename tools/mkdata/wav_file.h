// RIFF WAVE files of 16-bit PCM at 44.1 kHz.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Samples interleaved when channels is 2. False, with *error, when the file cannot be made.
bool WriteWav(const std::string& path, const std::vector<std::int16_t>& samples, int channels, std::string* error);
