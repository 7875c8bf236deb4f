// The checksum by which a run's record names each presented frame.
#pragma once

#include <cstdint>

// CRC-32 of a 640x480 frame's 16-bit words, little-endian.
std::uint32_t FrameCrc32(const std::uint16_t* pixels);
