#include "flame_frames.h"

#include <algorithm>
#include <cmath>

#include "fire_colour.h"
#include "picture.h"
#include "prng.h"

namespace {

constexpr std::uint32_t kSeed = 4242;

struct Life {
    float height;  // of the flame's tip, 0 to 1 of the frame
    float lift;    // how far its foot has left the row, in the same measure
    float heat;    // overall brightness
    float breakup; // how strongly the tongues eat into the body
};

// Quick to catch, a long lick at full height, then the flame lifts off, breaks into wisps
// and fades.
Life LifeAt(int frame) {
    const float t = frame / float(kFlameFrames - 1);
    const float grow = Smoothstep(0.0f, 0.32f, t);
    const float die = Smoothstep(0.58f, 1.0f, t);
    return {0.30f + 0.66f * grow + 0.04f * die, 0.50f * die * die, (0.62f + 0.50f * grow) * (1.0f - 0.85f * die),
            0.55f + 0.9f * die};
}

float Heat(float x, float y, int frame) {
    const Life life = LifeAt(frame);
    const float time = frame * 0.22f;
    // Height above the flame's foot, 0 at the foot and 1 at the tip.
    const float up = (kFlameHeight - y) / kFlameHeight;
    const float v = (up - life.lift) / std::max(0.05f, life.height - life.lift);
    if (v <= -0.15f || v >= 1.4f) return 0;
    // The body sways more towards the tip.
    const float sway = (static_cast<float>(ValueNoise(up * 2.5 - time, 0.5, kSeed)) - 0.5f) * 6.0f * v * v;
    const float u = (x - kFlameWidth / 2.0f - sway) / (kFlameWidth / 2.0f);
    const float width = 1.0f * (1.0f - 0.66f * Clamp01(v)) * Smoothstep(-0.2f, 0.12f, v);
    const float across = std::fabs(u) / std::max(0.05f, width);
    const float body = Clamp01(1.0f - across) * Clamp01(1.1f - std::pow(Clamp01(v), 1.2f));
    // Tongues: noise rising through the flame eats it away, most towards the top.
    const float rising = static_cast<float>(FractalNoise(x * 0.36 + 3.0, y * 0.3 + time * 3.0, 3, kSeed + 1));
    const float h = 1.5f * body - rising * life.breakup * (0.2f + 0.9f * Clamp01(v));
    return Clamp01(h) * life.heat * 0.95f;
}

RgbImage Frame(int frame) {
    Picture picture(kFlameWidth, kFlameHeight);
    for (int y = 0; y < kFlameHeight; ++y)
        for (int x = 0; x < kFlameWidth; ++x) picture.At(x, y) = FireColour(Heat(x + 0.5f, y + 0.5f, frame));
    return Quantize(picture, 5, true);
}

}  // namespace

std::vector<RgbImage> FlameFrames() {
    std::vector<RgbImage> frames;
    for (int f = 0; f < kFlameFrames; ++f) frames.push_back(Frame(f));
    return frames;
}
