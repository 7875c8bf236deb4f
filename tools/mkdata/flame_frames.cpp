#include "flame_frames.h"

#include <algorithm>
#include <cmath>

#include "fire_colour.h"
#include "picture.h"
#include "prng.h"

namespace {

constexpr std::uint32_t kSeed = 4242;
// The sprite stands 6 pixels above the row's cells, whose bottom edge is 22 pixels down.
constexpr float kFoot = 21.0f;
constexpr int kTongues = 3;
constexpr int kEmbers = 5;

// How strongly the flame burns in a frame: it catches at once, stands tall through the
// middle frames, then sinks into embers.
float Strength(int frame) {
    const float t = frame / float(kFlameFrames - 1);
    return Smoothstep(-0.08f, 0.2f, t) * (1.0f - Smoothstep(0.5f, 0.82f, t));
}

float EmberGlow(int frame) {
    const float t = frame / float(kFlameFrames - 1);
    return Smoothstep(0.45f, 0.75f, t) * (1.0f - 0.55f * Smoothstep(0.8f, 1.0f, t));
}

struct Tongue {
    float x;       // foot
    float lean;    // sideways shift of the tip
    float height;  // foot to tip
    float width;   // half-width at the foot
};

// Every frame draws its own tongues, tall and short, leaning either way, so the burning row
// flickers rather than pulses.
void Tongues(int frame, Tongue* out) {
    Prng prng(kSeed + 977u * static_cast<std::uint32_t>(frame));
    const float strength = Strength(frame);
    for (int k = 0; k < kTongues; ++k) {
        Tongue& t = out[k];
        t.x = static_cast<float>(3.5 + 4.5 * k + prng.Range(-1.5, 1.5));
        t.lean = static_cast<float>(prng.Range(-4.5, 4.5));
        const float tall = k == 1 ? 1.0f : static_cast<float>(prng.Range(0.45, 0.9));
        t.height = (5.0f + 16.5f * tall * static_cast<float>(prng.Range(0.8, 1.0))) * (0.35f + 0.65f * strength);
        t.width = static_cast<float>(prng.Range(2.6, 3.8)) * (k == 1 ? 1.2f : 1.0f);
    }
}

float TongueHeat(const Tongue& t, float x, float y) {
    const float v = (kFoot - y) / t.height;
    if (v <= -0.3f || v >= 1.0f) return 0;
    const float centre = t.x + t.lean * v * v;
    const float half = t.width * std::pow(1.0f - Clamp01(v), 0.8f) * Smoothstep(-0.3f, 0.05f, v);
    const float across = std::fabs(x - centre) / std::max(0.3f, half);
    return Clamp01(1.2f - across) * (1.05f - 0.55f * Clamp01(v));
}

float Heat(float x, float y, int frame, const Tongue* tongues) {
    float h = 0;
    for (int k = 0; k < kTongues; ++k) h = std::max(h, TongueHeat(tongues[k], x, y));
    // Rising noise tears the edges into wisps.
    const float rising = static_cast<float>(FractalNoise(x * 0.4 + 3.0, y * 0.35 + frame * 0.9, 2, kSeed + 1));
    h = Clamp01(1.4f * h - 0.45f * rising) * Strength(frame);
    // Embers: the same few grains along the row's top, glowing on after the flame has gone.
    Prng prng(kSeed + 5);
    for (int e = 0; e < kEmbers; ++e) {
        const float ex = static_cast<float>(prng.Range(2.0, 14.0)), ey = static_cast<float>(prng.Range(15.0, 21.0));
        const float flicker = 0.7f + 0.3f * static_cast<float>(ValueNoise(e * 3.1, frame * 0.8, kSeed + 9));
        const float d2 = (x - ex) * (x - ex) + (y - ey) * (y - ey);
        h = std::max(h, 0.62f * EmberGlow(frame) * flicker * std::exp(-d2 / 1.1f));
    }
    return h;
}

RgbImage Frame(int frame) {
    Tongue tongues[kTongues];
    Tongues(frame, tongues);
    Picture picture(kFlameWidth, kFlameHeight);
    for (int y = 0; y < kFlameHeight; ++y)
        for (int x = 0; x < kFlameWidth; ++x) picture.At(x, y) = FlameColour(Heat(x + 0.5f, y + 0.5f, frame, tongues));
    return Quantize(picture, 5, true);
}

}  // namespace

std::vector<RgbImage> FlameFrames() {
    std::vector<RgbImage> frames;
    for (int f = 0; f < kFlameFrames; ++f) frames.push_back(Frame(f));
    return frames;
}
