// The game's own per-pixel effects: the additive blend with saturation, the weighted blend,
// and one step of the fade. The blends run about four hundred times a frame, so each one
// clips once, decides the layout once, and then works along whole rows.
#include <algorithm>

#include "gfx/display.h"
#include "gfx/pixel_channels.h"
#include "gfx/surface.h"

namespace {

using pixel::Channel;

struct Maxima {
    Channel red;
    Channel green;
    Channel blue;
};

Maxima DisplayMaxima()
{
    return {TheDisplay.redMax, TheDisplay.greenMax, TheDisplay.blueMax};
}

// The source rows and columns that land inside the destination's clip rectangle when the
// source's top-left pixel sits at (x, y) of it.
struct Overlap {
    int firstCol;
    int endCol;
    int firstRow;
    int endRow;
};

Overlap ClipToDest(const Surface& source, const Surface& dest, int x, int y)
{
    return {std::max(0, dest.clipLeft - x), std::min<int>(source.width, dest.clipRight + 1 - x),
            std::max(0, dest.clipTop - y), std::min<int>(source.height, dest.clipBottom + 1 - y)};
}

// Mixes each non-key source pixel into the destination pixel under it; mix(s, d, max) gives
// one channel.
template <bool Is565, class Mix>
void BlendRows(const Surface& source, Surface& dest, int x, int y, Mix mix)
{
    using L = pixel::Layout<Is565>;
    const Maxima max = DisplayMaxima();
    const Overlap o = ClipToDest(source, dest, x, y);
    const int count = o.endCol - o.firstCol;
    if (count <= 0) return;
    const std::uint16_t key = source.colorKey;
    for (int row = o.firstRow; row < o.endRow; ++row) {
        const std::uint16_t* from = source.pixels + source.width * row + o.firstCol;
        std::uint16_t* to = dest.pixels + (dest.pitch * (y + row)) / 2 + x + o.firstCol;
        for (int i = 0; i < count; ++i) {
            const std::uint16_t s = from[i];
            const std::uint16_t d = to[i];
            const std::uint16_t mixed = L::Build(mix(L::Red(s), L::Red(d), max.red),
                                                 mix(L::Green(s), L::Green(d), max.green),
                                                 mix(L::Blue(s), L::Blue(d), max.blue));
            to[i] = s == key ? d : mixed;
        }
    }
}

template <class Mix>
void Blend(Surface& source, Surface& dest, int x, int y, Mix mix)
{
    if (!source.Usable() || !dest.Usable()) return;
    source.Lock();
    if (TheDisplay.is565)
        BlendRows<true>(source, dest, x, y, mix);
    else
        BlendRows<false>(source, dest, x, y, mix);
    source.Unlock();
}

Channel Saturate(Channel c, Channel max)
{
    return c > max ? max : c;
}

// Up to four levels per channel, stopping at the maximum (brighter) or at 0 (darker); a
// value already at or above its maximum does not brighten. Function objects rather than
// functions, so each fade loop is built with its step inside.
struct Brighter {
    Channel operator()(Channel v, Channel max) const
    {
        return v < max ? Saturate(static_cast<Channel>(v + 4), max) : v;
    }
};

struct Darker {
    Channel operator()(Channel v, Channel) const { return static_cast<Channel>(v > 4 ? v - 4 : 0); }
};

template <bool Is565, class Step>
void FadeRows(Surface& surface, Step step)
{
    using L = pixel::Layout<Is565>;
    const Maxima max = DisplayMaxima();
    const int rows = std::min<int>(480, surface.height);
    const int cols = std::min<int>(640, surface.width);
    for (int y = 0; y < rows; ++y) {
        std::uint16_t* p = surface.pixels + (surface.pitch * y) / 2;
        for (int x = 0; x < cols; ++x) {
            const std::uint16_t v = p[x];
            p[x] = L::Build(step(L::Red(v), max.red), step(L::Green(v), max.green),
                            step(L::Blue(v), max.blue));
        }
    }
}

template <class Step>
void Fade(Surface& surface, Step step)
{
    if (TheDisplay.is565)
        FadeRows<true>(surface, step);
    else
        FadeRows<false>(surface, step);
}

}  // namespace

int Surface::BlendAddTo(Surface& dest, std::int16_t x, std::int16_t y)
{
    Blend(*this, dest, x, y, [](Channel s, Channel d, Channel max) {
        return Saturate(static_cast<Channel>(s + d), max);
    });
    return 1;
}

int Surface::BlendPercentTo(Surface& dest, std::int16_t x, std::int16_t y, std::uint8_t weight)
{
    // Above 100 the destination's share would turn negative and wrap to white.
    const auto w = static_cast<Channel>(std::min<unsigned>(weight, 100));
    const auto rest = static_cast<Channel>(100 - w);
    Blend(*this, dest, x, y, [w, rest](Channel s, Channel d, Channel max) {
        return Saturate(static_cast<Channel>(pixel::DivideBy100(static_cast<Channel>(s * w)) +
                                             pixel::DivideBy100(static_cast<Channel>(d * rest))),
                        max);
    });
    return 1;
}

int Surface::FadeStep(std::uint8_t brighten)
{
    // Only the part of the 640x480 screen area that the surface covers is read and written.
    if (!Usable()) return 1;
    if (brighten)
        Fade(*this, Brighter{});
    else
        Fade(*this, Darker{});
    return 1;
}
