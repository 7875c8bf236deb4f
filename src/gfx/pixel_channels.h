// A 16-bit pixel split into its red, green and blue channels and built back, for one layout
// at a time, so the per-pixel loops decide the layout once rather than at every pixel.
#pragma once

#include <cstdint>

namespace pixel {

// 5-6-5: red 15-11, green 10-5, blue 4-0. 5-5-5: red from bit 10 up (bit 15 is not masked
// off), green 9-5, blue 4-0. Building shifts red and green back and ORs the three together.
template <bool Is565>
struct Layout {
    static constexpr unsigned kRedShift = Is565 ? 11 : 10;
    static constexpr unsigned kGreenMask = Is565 ? 63 : 31;
    static constexpr unsigned kRedBuildShift = Is565 ? 6 : 5;

    static constexpr unsigned Red(unsigned p) { return p >> kRedShift; }
    static constexpr unsigned Green(unsigned p) { return (p >> 5) & kGreenMask; }
    static constexpr unsigned Blue(unsigned p) { return p & 31; }
    static constexpr std::uint16_t Build(unsigned red, unsigned green, unsigned blue)
    {
        return static_cast<std::uint16_t>((((red << kRedBuildShift) | green) << 5) | blue);
    }
};

// n / 100 by a multiply and a shift, exact for 0 <= n <= 43599; the weighted blend divides
// a channel (at most 63) times a weight (at most 100).
constexpr unsigned DivideBy100(unsigned n)
{
    return (n * 5243u) >> 19;
}

}  // namespace pixel
