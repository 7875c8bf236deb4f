#include "lettering_paint.h"

#include <algorithm>
#include <cmath>

Picture PaintLettering(int width, int height, const LetteringPlace& place, const LetteringLook& look) {
    Picture picture(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const float px = x + 0.5f, py = y + 0.5f;
            const float d = place.distance(px, py);
            // Outside: the glows, faded out before the sprite's edge.
            const float out = std::max(d - look.outlineWidth, 0.0f);
            const float border = static_cast<float>(std::min(std::min(x, y), std::min(width - 1 - x, height - 1 - y)));
            Colour c = (look.nearGlow * (look.nearStrength * std::exp(-out / 4.0f)) +
                        look.farGlow * (look.farStrength * std::exp(-out / 13.0f))) *
                       Smoothstep(0.5f, 8.0f, border);
            if (look.outlineWidth > 0) c = Mix(c, look.outline, Coverage(d - look.outlineWidth));
            const float cover = Coverage(d);
            if (cover <= 0) {
                picture.At(x, y) = c;
                continue;
            }
            // Inside: a warm gradient from top to bottom, lit as a rounded tube from above.
            const float v = Clamp01((py - place.top) / (place.bottom - place.top));
            Colour fill = v < 0.5f ? Mix(look.topFill, look.midFill, v * 2) : Mix(look.midFill, look.lowFill, v * 2 - 1);
            const float e = 0.5f;
            const float gy = (place.distance(px, py + e) - place.distance(px, py - e)) / (2 * e);
            const float depth = Clamp01(-d / place.halfWidth);
            fill = fill * (0.72f + 0.38f * -gy * (1.0f - depth) + 0.12f * depth);
            // A bright seam along the upper inside edge.
            const float seam = Smoothstep(0.5f, 0.0f, std::fabs(-d - 1.6f)) * Clamp01(-gy);
            fill = Mix(fill, Hex(0xFFFFF0), 0.55f * seam);
            picture.At(x, y) = Mix(c, fill, cover);
        }
    }
    return picture;
}
