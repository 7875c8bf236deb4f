// Reading sprite packs: the header check here, each image through Surface::LoadFromPack.
// A pack is read from its header to its last wanted image before the next pack's header.
#pragma once

#include <cstdint>
#include <cstdio>

// The pixel-format byte of the pack header read last (0 = 5-5-5, 1 = 5-6-5); 0 at start.
extern std::uint8_t packFormat;

// The image count when the file starts with the signature, else 0 (nothing more is read and
// packFormat keeps its value).
std::uint16_t ReadPackHeader(std::FILE* file);
