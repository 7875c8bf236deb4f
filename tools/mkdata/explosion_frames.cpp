#include "explosion_frames.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "fire_colour.h"
#include "picture.h"
#include "prng.h"

namespace {

constexpr float kCentre = kExplosionSide / 2.0f;
constexpr float kReach = 54.0f;  // no spark gets nearer than this to the frame's edge
constexpr std::uint32_t kSeed = 777;

struct Spark {
    float angle;
    float speed;  // share of kReach reached at the end
    float heat;
    float life;   // share of the animation it glows for
    float fall;   // how far it has sunk at the end, in pixels
};

// Sparks fly far and glow hot; debris is slower, heavier and duller, and keeps falling and
// smouldering to the last frame.
std::vector<Spark> Sparks() {
    Prng prng(kSeed);
    std::vector<Spark> sparks;
    for (int i = 0; i < 90; ++i) {
        const bool debris = i >= 60;
        Spark s;
        s.angle = static_cast<float>(prng.Range(0, 6.2831853));
        s.speed = static_cast<float>((debris ? 0.3 : 0.45) + 0.5 * std::sqrt(prng.Unit()));
        s.heat = static_cast<float>(debris ? prng.Range(0.35, 0.55) : prng.Range(0.6, 0.95));
        s.life = static_cast<float>(debris ? prng.Range(1.05, 1.3) : prng.Range(0.6, 1.15));
        s.fall = static_cast<float>(debris ? prng.Range(14, 24) : prng.Range(4, 8));
        sparks.push_back(s);
    }
    return sparks;
}

float EaseOut(float t, float power) { return 1.0f - std::pow(1.0f - Clamp01(t), power); }

// Where a spark is at time t (0 to 1): flung out, slowing down, sinking slightly.
void SparkAt(const Spark& s, float t, float* x, float* y) {
    const float r = 6.0f + (kReach - 10.0f) * s.speed * EaseOut(t, 2.6f);
    *x = kCentre + r * std::cos(s.angle);
    *y = kCentre + r * std::sin(s.angle) + s.fall * t * t;
}

// The ten copies of a frame overlap on screen and add up: no part of one is hotter than a
// deep orange, so where they meet they turn yellow rather than white.
Picture Frame(int frame, const std::vector<Spark>& sparks) {
    const float t = frame / float(kExplosionFrames - 1);
    std::vector<float> heat(kExplosionSide * kExplosionSide);
    const float coreRadius = 5.0f + 14.0f * EaseOut(frame / 4.0f, 2.0f);
    const float coreHeat = 0.85f * (1.0f - Smoothstep(1.0f, 5.0f, float(frame)));
    const float ballRadius = 12.0f + 30.0f * EaseOut(t * 1.8f, 2.2f);
    const float ballHeat = 0.68f * (1.0f - Smoothstep(0.08f, 0.45f, t));
    const float ringRadius = 14.0f + 44.0f * EaseOut(t * 1.25f, 2.4f);
    const float ringWidth = 2.0f + 5.0f * t;
    const float ringHeat = 0.55f * Smoothstep(0.06f, 0.2f, t) * std::pow(1.0f - Clamp01(t * 1.6f), 1.4f);
    const float emberHeat = 0.4f * Smoothstep(0.1f, 0.3f, t) * (1.0f - Smoothstep(0.4f, 0.75f, t));
    // Smoke: a dull haze that rises and spreads as the fire dies, still there at the end.
    const float smokeAmount = 0.5f * Smoothstep(0.15f, 0.5f, t) * (1.0f - 0.2f * Smoothstep(0.75f, 1.0f, t));
    const float smokeRadius = 20.0f + 30.0f * t;
    std::vector<float> haze(heat.size());
    for (int y = 0; y < kExplosionSide; ++y) {
        for (int x = 0; x < kExplosionSide; ++x) {
            const float dx = x + 0.5f - kCentre, dy = y + 0.5f - kCentre;
            const float r = std::hypot(dx, dy);
            const float angle = std::atan2(dy, dx);
            // Billows: the fireball's edge and the embers churn with noise.
            const float churn = static_cast<float>(FractalNoise(dx * 0.06 + 10, dy * 0.06 - t * 2.0, 4, kSeed + 3));
            const float edge = ballRadius * (0.75f + 0.5f * churn);
            float h = coreHeat * std::exp(-2.2f * (r / coreRadius) * (r / coreRadius));
            h += ballHeat * Smoothstep(edge, edge * 0.45f, r) * (0.55f + 0.7f * churn);
            const float wobble = 2.5f * static_cast<float>(ValueNoise(angle * 3.0 + 20, t * 3.0, kSeed + 5));
            h += ringHeat * std::exp(-std::pow((r - ringRadius - wobble) / ringWidth, 2.0f));
            const float smoke = static_cast<float>(FractalNoise(dx * 0.09 + 50, dy * 0.09 + t * 1.5, 4, kSeed + 9));
            h += emberHeat * Smoothstep(ballRadius * 1.15f, ballRadius * 0.3f, r) * Smoothstep(0.45f, 0.8f, smoke);
            heat[y * kExplosionSide + x] = h * Smoothstep(kCentre - 2.0f, kCentre - 10.0f, r);
            const float risen = std::hypot(dx, dy + 14.0f * t);
            haze[y * kExplosionSide + x] =
                smokeAmount * Smoothstep(smokeRadius, smokeRadius * 0.4f, risen) * Smoothstep(0.35f, 0.75f, smoke);
        }
    }
    // Sparks: short streaks along their path, cooling from white to red.
    for (const Spark& s : sparks) {
        const float age = t / s.life;
        if (age >= 1.0f) continue;
        float x0, y0, x1, y1;
        SparkAt(s, std::max(0.0f, t - 0.09f), &x0, &y0);
        SparkAt(s, t, &x1, &y1);
        const float glow = 1.3f * s.heat * (1.1f - 0.7f * age) * Smoothstep(0.0f, 0.1f, t);
        const int left = static_cast<int>(std::floor(std::min(x0, x1) - 2)), right = static_cast<int>(std::max(x0, x1) + 3);
        const int top = static_cast<int>(std::floor(std::min(y0, y1) - 2)), bottom = static_cast<int>(std::max(y0, y1) + 3);
        for (int y = std::max(0, top); y < std::min(kExplosionSide, bottom); ++y) {
            for (int x = std::max(0, left); x < std::min(kExplosionSide, right); ++x) {
                const float d = SegmentDistance(x + 0.5f, y + 0.5f, x0, y0, x1, y1);
                heat[y * kExplosionSide + x] += glow * std::exp(-d * d * 0.9f);
            }
        }
    }
    // Whatever strays near the frame's edge fades out before it, so no frame shows its square.
    Picture picture(kExplosionSide, kExplosionSide);
    for (int y = 0; y < kExplosionSide; ++y) {
        for (int x = 0; x < kExplosionSide; ++x) {
            const float border = static_cast<float>(std::min(std::min(x, y), std::min(kExplosionSide - 1 - x, kExplosionSide - 1 - y)));
            const std::size_t i = static_cast<std::size_t>(y) * kExplosionSide + x;
            picture.At(x, y) = (FireColour(std::min(heat[i], 0.8f)) + Hex(0x8C7A6E) * haze[i]) * Smoothstep(0.5f, 6.0f, border);
        }
    }
    return picture;
}

}  // namespace

std::vector<RgbImage> ExplosionFrames() {
    const std::vector<Spark> sparks = Sparks();
    std::vector<RgbImage> frames;
    for (int f = 0; f < kExplosionFrames; ++f) frames.push_back(Quantize(Frame(f, sparks), 6, true));
    return frames;
}
