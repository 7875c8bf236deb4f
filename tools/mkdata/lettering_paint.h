// Painting stroke lettering as the logo and the banner show it: a warm gradient lit as a
// rounded tube from above with a bright seam, an optional outline, and two glows round it.
#pragma once

#include <functional>

#include "picture.h"

struct LetteringLook {
    Colour topFill, midFill, lowFill;  // the fill from the letters' top to their baseline
    Colour nearGlow, farGlow;          // a tight glow and a wide one
    float nearStrength = 0, farStrength = 0;
    Colour outline;
    float outlineWidth = 0;  // in pixels; 0 for none
};

struct LetteringPlace {
    // Signed distance in pixels from a sprite point to the letters' edge, negative inside.
    std::function<float(float x, float y)> distance;
    float halfWidth = 0;        // of a stroke, in pixels
    float top = 0, bottom = 0;  // the fill's gradient runs between these rows
};

Picture PaintLettering(int width, int height, const LetteringPlace& place, const LetteringLook& look);
