// A 16-bit pixel split into its red, green and blue channels and built back, for one layout
// at a time, so the per-pixel loops decide the layout once rather than at every pixel. All
// of it stays in 16 bits, as the channel arithmetic is defined, which also lets the loops
// work on eight pixels at once.
#pragma once

#include <cstdint>

namespace pixel {

using Channel = std::uint16_t;

// 5-6-5: red 15-11, green 10-5, blue 4-0. 5-5-5: red from bit 10 up (bit 15 is not masked
// off), green 9-5, blue 4-0. Building shifts red and green back and ORs the three together.
template <bool Is565>
struct Layout {
    static constexpr unsigned kRedShift = Is565 ? 11 : 10;
    static constexpr unsigned kGreenMask = Is565 ? 63 : 31;
    static constexpr unsigned kRedBuildShift = Is565 ? 6 : 5;

    static constexpr Channel Red(Channel p) { return static_cast<Channel>(p >> kRedShift); }
    static constexpr Channel Green(Channel p) { return static_cast<Channel>((p >> 5) & kGreenMask); }
    static constexpr Channel Blue(Channel p) { return static_cast<Channel>(p & 31); }
    static constexpr std::uint16_t Build(Channel red, Channel green, Channel blue)
    {
        return static_cast<std::uint16_t>((((red << kRedBuildShift) | green) << 5) | blue);
    }
};

// n / 100 by a multiply and a shift, exact for 0 <= n <= 43599; the weighted blend divides
// a channel (at most 63) times a weight (at most 100). It takes the high half of a 16 x 16
// bit product and shifts it by 3 more.
constexpr Channel DivideBy100(Channel n)
{
    return static_cast<Channel>(static_cast<Channel>((static_cast<std::uint32_t>(n) * 5243u) >> 16) >> 3);
}

}  // namespace pixel
