#include "logo_sprite.h"

#include <algorithm>
#include <cmath>

#include "picture.h"
#include "stroke_font.h"

namespace {

// The letters lean forward a little; their tops clear the status line at the screen's top.
constexpr float kLean = 0.14f;
constexpr float kTopMargin = 20.0f;

struct Placement {
    float scale;
    float left;
};

Placement Fit(const Lettering& lettering) {
    const float margin = 14.0f;
    const float height = kLogoHeight - kTopMargin - 8.0f;
    float scale = height / (lettering.baseline - lettering.top);
    const float room = kLogoWidth - 2 * margin - kLean * height;
    if (lettering.width * scale > room) scale = room / lettering.width;
    const float used = lettering.width * scale + kLean * height;
    return {scale, (kLogoWidth - used) / 2.0f};
}

}  // namespace

RgbImage LogoSprite() {
    const Lettering word = LayOut("Tumblox");
    const Placement place = Fit(word);
    const float baseY = kTopMargin + word.baseline * place.scale;
    // Distance in pixels from a screen point to the letters.
    auto distance = [&](float x, float y) {
        const float ux = (x - place.left - kLean * (baseY - y)) / place.scale;
        const float uy = word.baseline + (y - baseY) / place.scale;
        return LetteringDistance(word, ux, uy) * place.scale;
    };
    const float half = word.halfWidth * place.scale;

    const Colour topFill = Hex(0xFFF6C8), midFill = Hex(0xFFC04A), lowFill = Hex(0xFF5A86);
    const Colour nearGlow = Hex(0xFF4C9C), farGlow = Hex(0x5A3CFF);
    Picture picture(kLogoWidth, kLogoHeight);
    for (int y = 0; y < kLogoHeight; ++y) {
        for (int x = 0; x < kLogoWidth; ++x) {
            const float px = x + 0.5f, py = y + 0.5f;
            const float d = distance(px, py);
            // Outside: two glows, a tight warm one and a wide cool one.
            const float out = std::max(d, 0.0f);
            const float border = static_cast<float>(std::min(std::min(x, y), std::min(kLogoWidth - 1 - x, kLogoHeight - 1 - y)));
            Colour glow = (nearGlow * (0.62f * std::exp(-out / 4.0f)) + farGlow * (0.30f * std::exp(-out / 13.0f))) *
                          Smoothstep(0.5f, 8.0f, border);
            const float cover = Coverage(d);
            if (cover <= 0) {
                picture.At(x, y) = glow;
                continue;
            }
            // Inside: a warm gradient from top to bottom, lit as a rounded tube from above.
            const float v = Clamp01((py - kTopMargin) / (baseY - kTopMargin));
            Colour fill = v < 0.5f ? Mix(topFill, midFill, v * 2) : Mix(midFill, lowFill, v * 2 - 1);
            const float e = 0.5f;
            const float gy = (distance(px, py + e) - distance(px, py - e)) / (2 * e);
            const float depth = Clamp01(-d / half);
            const float lit = 0.72f + 0.38f * -gy * (1.0f - depth) + 0.12f * depth;
            fill = fill * lit;
            // A bright seam along the upper inside edge.
            const float seam = Smoothstep(0.5f, 0.0f, std::fabs(-d - 1.6f)) * Clamp01(-gy);
            fill = Mix(fill, Hex(0xFFFFF0), 0.55f * seam);
            picture.At(x, y) = Mix(glow, fill, cover);
        }
    }
    return Quantize(picture, 6, true);
}
