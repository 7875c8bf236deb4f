// The sprite pack's file layout: a 16-byte signature, the pixel-format byte, a 16-bit image
// count, then each image as a 16-bit width and height followed by its pixel words. All
// values little-endian.
#pragma once

#include <cstddef>

// 15 characters and the zero byte that ends them.
inline constexpr char QsfSignature[16] = "Quellin QSF V1'";
inline constexpr std::size_t QsfHeaderSize = 19;
inline constexpr std::size_t QsfImageHeadSize = 4;
