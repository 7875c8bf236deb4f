// The banner of a four-row clear: a short Korean cheer in large bold letters, added over
// the well while the explosions go off.
#pragma once

#include <string>

#include "platform/png_file.h"
#include "unifont.h"

// "Amazing!", polite and warm.
inline constexpr const char* kComboText = "굉장해요!";

// The banner from the text's Unifont glyphs, each pixel becoming a 4x4 patch, smoothed,
// filled with a gradient and ringed with a bright outline and glow. Width a multiple of 4.
RgbImage ComboBanner(const GlyphSet& glyphs);
