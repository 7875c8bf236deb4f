// The explosion of a four-row clear: 23 frames of 128 x 128, a hot core that swells into a
// fireball and a ring and soon fades, leaving smoke, sparks and falling debris that smoulder
// to the last frame.
#pragma once

#include <vector>

#include "platform/png_file.h"

constexpr int kExplosionSide = 128;
constexpr int kExplosionFrames = 23;

std::vector<RgbImage> ExplosionFrames();
