// The banner of a four-row clear: a short Korean cheer in large bold letters, added over
// the well while the explosions go off.
#pragma once

#include "platform/png_file.h"

// "Amazing!", polite and warm.
inline constexpr const char32_t* kComboText = U"굉장해요!";

constexpr int kBannerWidth = 320;
// Where the letters may reach across the banner: drawn at x = 30, just the inside of the
// well, clear of its walls.
constexpr int kBannerInkLeft = 38, kBannerInkRight = 316;

// The cheer in the logo's stroke hand, lit and glowing as the logo is, with a dark blue
// outline so it stays readable over the fire.
RgbImage ComboBanner();
