#include "combo_banner.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "picture.h"

namespace {

constexpr int kScale = 4;
constexpr int kMargin = 8;
constexpr float kInkLevel = 0.24f;  // below one half: strokes come out bolder than the glyph's
constexpr float kOutline = 2.2f;
constexpr int kGlowReach = 8;

// The text's glyphs side by side, one byte per glyph pixel.
struct InkMap {
    int width = 0;
    std::vector<std::uint8_t> ink;  // 16 rows
    float At(int x, int y) const {
        if (x < 0 || y < 0 || x >= width || y >= 16) return 0;
        return ink[static_cast<std::size_t>(y) * width + x];
    }
};

InkMap Ink(const GlyphSet& glyphs) {
    InkMap map;
    const std::u32string text = DecodeUtf8(kComboText);
    for (char32_t code : text) map.width += glyphs.at(code).width;
    map.ink.resize(static_cast<std::size_t>(map.width) * 16);
    int left = 0;
    for (char32_t code : text) {
        const Glyph& glyph = glyphs.at(code);
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < glyph.width; ++x) map.ink[static_cast<std::size_t>(y) * map.width + left + x] = glyph.Ink(x, y);
        left += glyph.width;
    }
    return map;
}

// The glyph pixels blended between their centres: staircases turn into smooth slopes.
float Smooth(const InkMap& map, float x, float y) {
    const float gx = x / kScale - 0.5f, gy = y / kScale - 0.5f;
    const int ix = static_cast<int>(std::floor(gx)), iy = static_cast<int>(std::floor(gy));
    const float tx = gx - ix, ty = gy - iy;
    const float top = map.At(ix, iy) + (map.At(ix + 1, iy) - map.At(ix, iy)) * tx;
    const float bottom = map.At(ix, iy + 1) + (map.At(ix + 1, iy + 1) - map.At(ix, iy + 1)) * tx;
    return top + (bottom - top) * ty;
}

}  // namespace

RgbImage ComboBanner(const GlyphSet& glyphs) {
    const InkMap map = Ink(glyphs);
    const int width = (map.width * kScale + 2 * kMargin + 3) / 4 * 4;
    const int height = 16 * kScale + 2 * kMargin;
    const int left = (width - map.width * kScale) / 2;

    // Letter cover per pixel (four samples each), then each pixel's distance to the letters.
    std::vector<float> cover(static_cast<std::size_t>(width) * height);
    std::vector<std::uint8_t> solid(cover.size());
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            float sum = 0;
            for (int s = 0; s < 4; ++s) {
                const float sx = x - left + 0.25f + 0.5f * (s & 1), sy = y - kMargin + 0.25f + 0.5f * (s >> 1);
                sum += Smooth(map, sx, sy) > kInkLevel ? 0.25f : 0.0f;
            }
            cover[static_cast<std::size_t>(y) * width + x] = sum;
            solid[static_cast<std::size_t>(y) * width + x] = sum >= 0.5f;
        }
    }
    std::vector<float> distance(cover.size(), 1e9f);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            float& nearest = distance[static_cast<std::size_t>(y) * width + x];
            for (int dy = -kGlowReach; dy <= kGlowReach; ++dy) {
                for (int dx = -kGlowReach; dx <= kGlowReach; ++dx) {
                    const int sx = x + dx, sy = y + dy;
                    if (sx < 0 || sy < 0 || sx >= width || sy >= height || !solid[static_cast<std::size_t>(sy) * width + sx]) continue;
                    nearest = std::min(nearest, std::hypot(float(dx), float(dy)));
                }
            }
        }
    }

    const Colour top = Hex(0xFFFBE0), middle = Hex(0xFFC02A), bottom = Hex(0xFF3C5C);
    const Colour outline = Hex(0x3E6CFF), glow = Hex(0x7A30E8);
    Picture picture(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const std::size_t i = static_cast<std::size_t>(y) * width + x;
            const float d = distance[i];
            Colour c = glow * (0.45f * std::exp(-std::max(0.0f, d - kOutline) / 2.5f));
            c = Mix(c, outline, Smoothstep(kOutline + 0.8f, kOutline - 0.4f, d));
            const float v = Clamp01(float(y - kMargin) / (16 * kScale));
            const Colour fill = v < 0.5f ? Mix(top, middle, v * 2) : Mix(middle, bottom, v * 2 - 1);
            picture.At(x, y) = Mix(c, fill, cover[i]);
        }
    }
    return Quantize(picture, 5, true);
}
