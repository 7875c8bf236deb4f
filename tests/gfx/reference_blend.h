// The blends and the fade done the plain way, one pixel at a time with every test inside the
// loop, exactly as the rules read. The fast versions must give the same pixels; the tests
// compare them and the benchmark measures the difference.
#pragma once

#include <cstdint>

#include "gfx/display.h"
#include "gfx/surface.h"

namespace reference {

struct Channels {
    std::uint16_t red;
    std::uint16_t green;
    std::uint16_t blue;
};

inline Channels Split(std::uint16_t p)
{
    if (TheDisplay.is565)
        return {static_cast<std::uint16_t>(p >> 11), static_cast<std::uint16_t>((p >> 5) & 63),
                static_cast<std::uint16_t>(p & 31)};
    return {static_cast<std::uint16_t>(p >> 10), static_cast<std::uint16_t>((p >> 5) & 31),
            static_cast<std::uint16_t>(p & 31)};
}

inline std::uint16_t Build(Channels c)
{
    const unsigned redShift = TheDisplay.is565 ? 6 : 5;
    return static_cast<std::uint16_t>((((c.red << redShift) | c.green) << 5) | c.blue);
}

inline std::uint16_t Limit(std::uint16_t value, std::uint16_t max)
{
    return value > max ? max : value;
}

// Visits every source pixel that lands inside dest's clip rectangle and is not the key.
template <class Mix>
void BlendEach(Surface& source, Surface& dest, std::int16_t x, std::int16_t y, Mix mix)
{
    source.Lock();
    for (int row = 0; row < source.height; ++row) {
        for (int col = 0; col < source.width; ++col) {
            const int dx = x + col;
            const int dy = y + row;
            if (dx < dest.clipLeft || dx > dest.clipRight || dy < dest.clipTop || dy > dest.clipBottom)
                continue;
            const std::uint16_t s = source.pixels[source.width * row + col];
            if (s == source.colorKey) continue;
            std::uint16_t* d = dest.pixels + (dest.pitch * dy) / 2 + dx;
            const Channels a = Split(s);
            const Channels b = Split(*d);
            const Channels c{mix(a.red, b.red, TheDisplay.redMax), mix(a.green, b.green, TheDisplay.greenMax),
                             mix(a.blue, b.blue, TheDisplay.blueMax)};
            FillPixelRun(d, Build(c), 1);
        }
    }
    source.Unlock();
}

inline void BlendAdd(Surface& source, Surface& dest, std::int16_t x, std::int16_t y)
{
    BlendEach(source, dest, x, y, [](std::uint16_t s, std::uint16_t d, std::uint16_t max) {
        return Limit(static_cast<std::uint16_t>(s + d), max);
    });
}

// Weights 0-100.
inline void BlendPercent(Surface& source, Surface& dest, std::int16_t x, std::int16_t y, std::uint8_t weight)
{
    BlendEach(source, dest, x, y, [weight](std::uint16_t s, std::uint16_t d, std::uint16_t max) {
        const std::int32_t c = (static_cast<std::int32_t>(s) * weight) / 100 +
                               (static_cast<std::int32_t>(d) * (100 - weight)) / 100;
        return Limit(static_cast<std::uint16_t>(c), max);
    });
}

inline std::uint16_t FadeChannel(std::uint16_t v, std::uint16_t max, bool brighten)
{
    for (int i = 0; i < 4; ++i) {
        if (brighten && v < max) ++v;
        if (!brighten && v != 0) --v;
    }
    return v;
}

// Over the fixed 640x480 area, reads limited to the surface.
inline void Fade(Surface& surface, bool brighten)
{
    for (int y = 0; y < 480 && y < surface.height; ++y) {
        for (int x = 0; x < 640 && x < surface.width; ++x) {
            const auto px = static_cast<std::int16_t>(x);
            const auto py = static_cast<std::int16_t>(y);
            const Channels p = Split(surface.GetPixel(px, py));
            surface.PutPixel(px, py,
                             Build({FadeChannel(p.red, TheDisplay.redMax, brighten),
                                    FadeChannel(p.green, TheDisplay.greenMax, brighten),
                                    FadeChannel(p.blue, TheDisplay.blueMax, brighten)}));
        }
    }
}

}  // namespace reference
