// The generator's only source of chance: a fixed-seed generator and lattice noise built on
// an integer hash, so every run draws exactly the same art and sound.
#pragma once

#include <cstdint>

class Prng {
public:
    explicit Prng(std::uint64_t seed) : state_(seed) {}

    std::uint64_t Next();
    // Uniform in [0, 1).
    double Unit();
    // Uniform in [low, high).
    double Range(double low, double high) { return low + (high - low) * Unit(); }
    // Uniform integer in [0, count).
    int Below(int count) { return static_cast<int>(Unit() * count); }

private:
    std::uint64_t state_;
};

// A well-mixed 32 bits from a lattice point and a seed.
std::uint32_t LatticeHash(std::int32_t x, std::int32_t y, std::uint32_t seed);
// Smooth value noise in [0, 1], one unit per lattice cell.
double ValueNoise(double x, double y, std::uint32_t seed);
// Several octaves of value noise, each twice as fine and half as strong; in [0, 1].
double FractalNoise(double x, double y, int octaves, std::uint32_t seed);
