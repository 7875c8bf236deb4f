#include "picture.h"

#include <algorithm>
#include <cmath>

Colour Hex(std::uint32_t rgb) {
    return {static_cast<float>(rgb >> 16 & 0xFF) / 255.0f, static_cast<float>(rgb >> 8 & 0xFF) / 255.0f,
            static_cast<float>(rgb & 0xFF) / 255.0f};
}

float Clamp01(float v) { return std::clamp(v, 0.0f, 1.0f); }

float Smoothstep(float edge0, float edge1, float x) {
    const float t = Clamp01((x - edge0) / (edge1 - edge0));
    return t * t * (3.0f - 2.0f * t);
}

float SegmentDistance(float px, float py, float ax, float ay, float bx, float by) {
    const float dx = bx - ax;
    const float dy = by - ay;
    const float length2 = dx * dx + dy * dy;
    const float t = length2 > 0 ? Clamp01(((px - ax) * dx + (py - ay) * dy) / length2) : 0.0f;
    return std::hypot(px - (ax + t * dx), py - (ay + t * dy));
}

namespace {

constexpr float kBayer4[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};

}  // namespace

float DitherThreshold(int x, int y) { return (kBayer4[y & 3][x & 3] + 0.5f) / 16.0f; }

namespace {

std::uint8_t Level(float value, int bits, float threshold) {
    const int top = (1 << bits) - 1;
    const int level = std::clamp(static_cast<int>(std::floor(Clamp01(value) * top + threshold)), 0, top);
    return static_cast<std::uint8_t>(level << (8 - bits) | level >> (2 * bits - 8));
}

}  // namespace

RgbImage Quantize(const Picture& picture, int greenBits, bool dither) {
    RgbImage image;
    image.width = picture.width;
    image.height = picture.height;
    image.rgb.reserve(picture.pixels.size() * 3);
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            const float threshold = dither ? DitherThreshold(x, y) : 0.5f;
            const Colour& c = picture.At(x, y);
            image.rgb.push_back(Level(c.r, 5, threshold));
            image.rgb.push_back(Level(c.g, greenBits, threshold));
            image.rgb.push_back(Level(c.b, 5, threshold));
        }
    }
    return image;
}

RgbImage Quantize8(const Picture& picture) {
    RgbImage image;
    image.width = picture.width;
    image.height = picture.height;
    image.rgb.reserve(picture.pixels.size() * 3);
    for (const Colour& c : picture.pixels)
        for (float v : {c.r, c.g, c.b}) image.rgb.push_back(static_cast<std::uint8_t>(Clamp01(v) * 255.0f + 0.5f));
    return image;
}
