#include "background_picture.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "picture.h"
#include "prng.h"

// The game darkens the picture by 28 levels in every 5-bit channel, and by 28 of 63 in green
// on a 5-6-5 display, before anyone sees it. So the night is painted in what remains: levels
// 0-3 of red and blue and 0-35 of the 6-bit green. A 5-5-5 display keeps only levels 0-3 of
// its green as well, so the scene's shapes are drawn in red and blue: a deep blue sky paling
// to violet at the horizon over black hills, which both layouts show, with a green aurora
// that 5-6-5 shows in full and 5-5-5 only where it burns brightest. Each painted level L >= 1
// is stored as L + 28; the darkness below level 1, which the dimming wipes out, is stored
// spread over the lower values, so the undimmed picture still shows the scene for the moment
// of the intro.
namespace {

constexpr float kDimmed = 28.0f;
constexpr float kTopRedBlue = 3.0f;   // 31 - 28
constexpr float kTopGreen = 35.0f;    // 63 - 28
constexpr std::uint32_t kSeed = 2024;

// Layout of the game screen over the picture.
constexpr int kWellLeft = 64, kWellRight = 352, kWellTop = 40, kWellBottom = 424;
struct Box {
    float left, top, right, bottom, round;
};
constexpr Box kPanel{374, 142, 634, 444, 10};
// Round the next piece, whose cells sit in rows 0-1 of a 4 x 4 block at (410, 96).
constexpr Box kPreview{400, 90, 516, 134, 8};
constexpr float kShore = 432;

// A painted colour in remaining levels: red and blue 0-3, green 0-35.
struct Levels {
    float r = 0, g = 0, b = 0;
};

float Ridge(float x, float base, float rise, double scale, std::uint32_t seed) {
    return base - rise * static_cast<float>(FractalNoise(x * scale, 0.5, 5, seed));
}

// Brightness 0-1 of the aurora's curtains at a point of the sky.
float Aurora(float x, float y) {
    float light = 0;
    struct Curtain {
        float base, swing1, freq1, phase1, swing2, freq2, phase2, height, strength;
    };
    static const Curtain curtains[] = {{150, 38, 0.0105f, 0.6f, 16, 0.029f, 2.1f, 85, 1.0f},
                                       {86, 24, 0.0078f, 4.0f, 10, 0.021f, 0.4f, 60, 0.55f}};
    std::uint32_t seed = kSeed;
    for (const Curtain& c : curtains) {
        seed += 31;
        const float edge = c.base + c.swing1 * std::sin(x * c.freq1 + c.phase1) + c.swing2 * std::sin(x * c.freq2 + c.phase2);
        const float above = edge - y;
        const float rise = above >= 0 ? std::exp(-above / c.height) : std::exp(-(above / 5.0f) * (above / 5.0f));
        // Rays that hang down the curtain, leaning with its folds.
        const float rays = static_cast<float>(FractalNoise((x + 0.35f * above) * 0.045, 0.2, 3, seed));
        const float along = static_cast<float>(FractalNoise(x * 0.0042, 3.0, 3, seed + 7));
        light += c.strength * rise * (0.35f + 0.9f * rays * rays) * Smoothstep(0.22f, 0.75f, along);
    }
    return std::min(light, 1.0f);
}

Levels Sky(float x, float y) {
    const float down = Clamp01(y / 360.0f);
    Levels sky{0.1f + 2.9f * down * down, 0.8f + 4.6f * down * down, 2.5f + 0.6f * down};
    const float a = Aurora(x, y);
    // Green at the curtain's foot, a faint violet at its top.
    const float high = Smoothstep(0.0f, 0.6f, a) * Smoothstep(170.0f, 40.0f, y);
    sky.g += 31.0f * a;
    sky.b += 2.6f * a;
    sky.r += 2.0f * high * (1.0f - a);
    return sky;
}

Levels Stars(int x, int y) {
    Levels star;
    const std::uint32_t h = LatticeHash(x, y, kSeed + 99);
    if ((h & 0x3FF) < 3) {
        const float shine = static_cast<float>(h >> 24) / 255.0f;
        star = {1.5f + 1.5f * shine, 5.0f + 9.0f * shine, 1.5f + 1.5f * shine};
    }
    return star;
}

Levels Scene(int ix, int iy) {
    const float x = ix + 0.5f, y = iy + 0.5f;
    const float far = Ridge(x, 352, 70, 0.0055, kSeed + 1);
    const float near = Ridge(x, 410, 52, 0.0095, kSeed + 2);
    Levels c;
    if (y < far) {
        c = Sky(x, y);
        const Levels star = Stars(ix, iy);
        const float clear = 1.0f - Clamp01(Aurora(x, y) * 2.0f);
        c.r += star.r * clear, c.g += star.g * clear, c.b += star.b * clear;
    } else if (y < near) {
        // The far hills catch a little of the aurora's light along their crest.
        // Dim enough to stand as a silhouette against the sky, the near hills black before them.
        const float crest = std::exp(-(y - far) / 5.0f);
        c = {0.6f + 0.6f * crest, 1.2f + 5.0f * crest, 1.1f + 0.9f * crest};
    } else if (y < kShore) {
        c = {0, 0.3f, 0.2f};
    } else {
        // The lake: the sky mirrored about the shore, broken into ripples, darker.
        const float depth = y - kShore;
        const float ripple = 3.0f * std::sin(y * 1.7f + 2.0f * static_cast<float>(ValueNoise(x * 0.05, y * 0.4, kSeed + 5)));
        Levels mirror = Sky(x + ripple, std::max(0.0f, kShore - depth * 2.5f - 40));
        const float streak = 0.55f + 0.45f * static_cast<float>(ValueNoise(x * 0.02, y * 0.7, kSeed + 6));
        const float fade = 0.55f * streak * std::exp(-depth / 60.0f);
        c = {mirror.r * fade, 0.4f + mirror.g * fade, 0.4f + mirror.b * fade};
    }
    return c;
}

// Signed distance to a box's rounded outline, negative inside.
float BoxDistance(const Box& box, float x, float y) {
    const float cx = (box.left + box.right) / 2, cy = (box.top + box.bottom) / 2;
    const float qx = std::fabs(x - cx) - ((box.right - box.left) / 2 - box.round);
    const float qy = std::fabs(y - cy) - ((box.bottom - box.top) / 2 - box.round);
    return std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f)) + std::min(std::max(qx, qy), 0.0f) - box.round;
}

// A box darker than the scene, with a thin lit rim in every channel, so the rim survives
// the dimming in both layouts.
Levels Boxed(const Box& box, float x, float y, Levels c) {
    const float d = BoxDistance(box, x, y);
    const float shade = 1.0f - 0.68f * Smoothstep(0.5f, -0.5f, d);
    c.r *= shade, c.g *= shade, c.b *= shade;
    const float rim = std::exp(-(d + 1.0f) * (d + 1.0f) / 1.2f);
    c.g += 12.0f * rim, c.b += 2.6f * rim, c.r += 1.6f * rim;
    return c;
}

// The well is kept quieter than the sky around it, the panel and the preview's frame darker
// still, so falling pieces and white text both stand out.
Levels Framed(int ix, int iy, Levels c) {
    const float x = ix + 0.5f, y = iy + 0.5f;
    if (ix >= kWellLeft && ix < kWellRight && iy >= kWellTop && iy < kWellBottom) {
        c.r *= 0.5f, c.g *= 0.55f, c.b *= 0.6f;
        // Faint marks at the corners of the cells help the eye find the columns.
        const int cx = (ix - kWellLeft) % 24, cy = (iy - kWellTop) % 16;
        if ((cx == 0 || cx == 23) && (cy == 0 || cy == 15)) c.g += 2.0f, c.b += 0.6f;
    }
    return Boxed(kPreview, x, y, Boxed(kPanel, x, y, c));
}

// One channel of one pixel: the remaining level chosen, then stored above the dimming; level
// 0 keeps its shade in the values the dimming clears. Between levels 0 and 1 the stored
// values jump by a whole 28, so there the choice is not dithered: it would speckle the
// undimmed picture.
std::uint8_t Store(float level, float top, int bits, float threshold) {
    const float chance = level < 1.0f ? 0.5f : threshold;
    const int chosen = std::clamp(static_cast<int>(std::floor(level + chance)), 0, static_cast<int>(top));
    const int stored = chosen > 0 ? chosen + static_cast<int>(kDimmed)
                                  : static_cast<int>(std::pow(Clamp01(level), 0.7f) * (kDimmed - 1));
    return static_cast<std::uint8_t>(stored << (8 - bits) | stored >> (2 * bits - 8));
}

}  // namespace

RgbImage BackgroundPicture() {
    RgbImage image;
    image.width = kBackgroundWidth;
    image.height = kBackgroundHeight;
    image.rgb.reserve(static_cast<std::size_t>(kBackgroundWidth) * kBackgroundHeight * 3);
    for (int y = 0; y < kBackgroundHeight; ++y) {
        for (int x = 0; x < kBackgroundWidth; ++x) {
            const Levels c = Framed(x, y, Scene(x, y));
            const float threshold = DitherThreshold(x, y);
            image.rgb.push_back(Store(c.r, kTopRedBlue, 5, threshold));
            image.rgb.push_back(Store(c.g, kTopGreen, 6, threshold));
            image.rgb.push_back(Store(c.b, kTopRedBlue, 5, threshold));
        }
    }
    return image;
}
