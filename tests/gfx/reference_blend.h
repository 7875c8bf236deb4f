// The blends and the fade done the plain way, one pixel at a time with every test inside the
// loop, exactly as the rules read. The fast versions must give the same pixels; the tests
// compare them and the benchmark measures the difference.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>

#include "gfx/display.h"
#include "gfx/surface.h"

namespace reference {

// Red, green and blue.
using Channels = std::array<std::uint16_t, 3>;

// Green is six bits wide in 5-6-5, five in 5-5-5; red takes whatever lies above it.
inline unsigned GreenBits() { return TheDisplay.is565 ? 6 : 5; }

inline Channels Split(std::uint16_t p)
{
    const unsigned g = GreenBits();
    return {static_cast<std::uint16_t>(p >> (5 + g)),
            static_cast<std::uint16_t>((p >> 5) & ((1u << g) - 1)),
            static_cast<std::uint16_t>(p & 31)};
}

inline std::uint16_t Build(Channels c)
{
    return static_cast<std::uint16_t>((((c[0] << GreenBits()) | c[1]) << 5) | c[2]);
}

inline Channels Maxima() { return {TheDisplay.redMax, TheDisplay.greenMax, TheDisplay.blueMax}; }

// Visits every source pixel that lands inside dest's clip rectangle and is not the key, and
// mixes each channel with mix(source, dest, max).
template <class Mix>
void BlendEach(Surface& source, Surface& dest, std::int16_t x, std::int16_t y, Mix mix)
{
    const Channels max = Maxima();
    source.Lock();
    for (int row = 0; row < source.height; ++row) {
        for (int col = 0; col < source.width; ++col) {
            const int dx = x + col, dy = y + row;
            if (dx < dest.clipLeft || dx > dest.clipRight || dy < dest.clipTop ||
                dy > dest.clipBottom)
                continue;
            const std::uint16_t s = source.pixels[source.width * row + col];
            if (s == source.colorKey) continue;
            std::uint16_t* d = dest.pixels + (dest.pitch * dy) / 2 + dx;
            const Channels a = Split(s), b = Split(*d);
            Channels c;
            for (int i = 0; i < 3; ++i) c[i] = mix(a[i], b[i], max[i]);
            FillPixelRun(d, Build(c), 1);
        }
    }
    source.Unlock();
}

inline void BlendAdd(Surface& source, Surface& dest, std::int16_t x, std::int16_t y)
{
    BlendEach(source, dest, x, y, [](std::uint16_t s, std::uint16_t d, std::uint16_t max) {
        return std::min(static_cast<std::uint16_t>(s + d), max);
    });
}

// Weights above 100 count as 100: the source copied rather than the sum wrapping.
inline void BlendPercent(Surface& source, Surface& dest, std::int16_t x, std::int16_t y,
                         std::uint8_t weight)
{
    weight = std::min<std::uint8_t>(weight, 100);
    BlendEach(source, dest, x, y, [weight](std::uint16_t s, std::uint16_t d, std::uint16_t max) {
        const std::int32_t c = (static_cast<std::int32_t>(s) * weight) / 100 +
                               (static_cast<std::int32_t>(d) * (100 - weight)) / 100;
        return std::min(static_cast<std::uint16_t>(c), max);
    });
}

// Four steps of one level, stopping at the maximum or at 0; over the fixed 640x480 area,
// reads limited to the surface.
inline void Fade(Surface& surface, bool brighten)
{
    const Channels max = Maxima();
    for (int y = 0; y < 480 && y < surface.height; ++y) {
        for (int x = 0; x < 640 && x < surface.width; ++x) {
            const auto px = static_cast<std::int16_t>(x), py = static_cast<std::int16_t>(y);
            Channels p = Split(surface.GetPixel(px, py));
            for (int i = 0; i < 3; ++i) {
                for (int step = 0; step < 4; ++step) {
                    if (brighten && p[i] < max[i]) ++p[i];
                    if (!brighten && p[i] != 0) --p[i];
                }
            }
            surface.PutPixel(px, py, Build(p));
        }
    }
}

}  // namespace reference
