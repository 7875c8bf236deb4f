// The tune as an MP3 stream: 44.1 kHz joint stereo at 80 kbit/s (its two minutes in 1.3 MB, so
// the whole browser page stays under 4 MB), with the encoder's delay and padding recorded in
// the stream's info frame so that players which honour it loop the tune without a gap.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

bool WriteMp3(const std::string& path, const std::vector<std::int16_t>& stereo, std::string* error);
