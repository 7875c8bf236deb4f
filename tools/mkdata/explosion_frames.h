// The explosion of a four-row clear: 23 frames of 128 x 128, a white-hot core that swells
// into a ring of sparks and smoke-red embers, then fades out.
#pragma once

#include <vector>

#include "platform/png_file.h"

constexpr int kExplosionSide = 128;
constexpr int kExplosionFrames = 23;

std::vector<RgbImage> ExplosionFrames();
