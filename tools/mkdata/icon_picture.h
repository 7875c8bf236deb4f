// The desktop icon: a few of the game's cells settling in a dark, aurora-lit tile.
#pragma once

#include <vector>

#include "platform/png_file.h"

constexpr int kIconSide = 128;

// Drawn with the block cells the pack holds (24 x 16, magenta key).
RgbImage IconPicture(const std::vector<RgbImage>& blocks);
