// The eight cells the well is built of: seven glossy piece colours, then the stone of the
// walls and floor. 24 x 16 each, magenta (the pack's key) only where a corner is rounded.
#pragma once

#include <vector>

#include "platform/png_file.h"

constexpr int kCellWidth = 24;
constexpr int kCellHeight = 16;

std::vector<RgbImage> BlockSprites();
