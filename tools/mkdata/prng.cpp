#include "prng.h"

#include <cmath>

std::uint64_t Prng::Next() {
    // SplitMix64: a plain counter stirred well enough for art.
    state_ += 0x9E3779B97F4A7C15ull;
    std::uint64_t z = state_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

double Prng::Unit() { return static_cast<double>(Next() >> 11) * (1.0 / 9007199254740992.0); }

std::uint32_t LatticeHash(std::int32_t x, std::int32_t y, std::uint32_t seed) {
    std::uint32_t h = seed * 0x27D4EB2Du ^ static_cast<std::uint32_t>(x) * 0x85EBCA6Bu ^
                      static_cast<std::uint32_t>(y) * 0xC2B2AE35u;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    h *= 0x297A2D39u;
    h ^= h >> 15;
    return h;
}

namespace {

double LatticeValue(std::int32_t x, std::int32_t y, std::uint32_t seed) {
    return LatticeHash(x, y, seed) * (1.0 / 4294967295.0);
}

double Fade(double t) { return t * t * (3.0 - 2.0 * t); }

}  // namespace

double ValueNoise(double x, double y, std::uint32_t seed) {
    const double fx = std::floor(x);
    const double fy = std::floor(y);
    const auto ix = static_cast<std::int32_t>(fx);
    const auto iy = static_cast<std::int32_t>(fy);
    const double tx = Fade(x - fx);
    const double ty = Fade(y - fy);
    const double top = LatticeValue(ix, iy, seed) + (LatticeValue(ix + 1, iy, seed) - LatticeValue(ix, iy, seed)) * tx;
    const double bottom =
        LatticeValue(ix, iy + 1, seed) + (LatticeValue(ix + 1, iy + 1, seed) - LatticeValue(ix, iy + 1, seed)) * tx;
    return top + (bottom - top) * ty;
}

double FractalNoise(double x, double y, int octaves, std::uint32_t seed) {
    double sum = 0.0;
    double weight = 1.0;
    double total = 0.0;
    for (int octave = 0; octave < octaves; ++octave) {
        sum += ValueNoise(x, y, seed + static_cast<std::uint32_t>(octave) * 101u) * weight;
        total += weight;
        x *= 2.0;
        y *= 2.0;
        weight *= 0.5;
    }
    return sum / total;
}
