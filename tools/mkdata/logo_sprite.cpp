#include "logo_sprite.h"

#include <algorithm>
#include <cmath>

#include "lettering_paint.h"
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
    LetteringLook look;
    look.topFill = Hex(0xFFF6C8), look.midFill = Hex(0xFFC04A), look.lowFill = Hex(0xFF5A86);
    look.nearGlow = Hex(0xFF4C9C), look.farGlow = Hex(0x5A3CFF);
    look.nearStrength = 0.62f, look.farStrength = 0.30f;
    const Picture picture =
        PaintLettering(kLogoWidth, kLogoHeight, {distance, word.halfWidth * place.scale, kTopMargin, baseY}, look);
    return Quantize(picture, 6, true);
}
