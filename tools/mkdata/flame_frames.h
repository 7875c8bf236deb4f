// The flame that licks up from a burning row and dies away: 21 frames, two to a cell.
#pragma once

#include <vector>

#include "platform/png_file.h"

constexpr int kFlameWidth = 16;
constexpr int kFlameHeight = 24;
constexpr int kFlameFrames = 21;

std::vector<RgbImage> FlameFrames();
