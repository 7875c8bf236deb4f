// Pictures while they are being painted: floating-point colour, 0 to 1 a channel, and the
// small geometry the painters share. Quantize turns one into the 8-bit picture the pack and
// picture writers take, already cut to the 16-bit layout's levels.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/png_file.h"

struct Colour {
    float r = 0;
    float g = 0;
    float b = 0;
};

inline Colour operator+(Colour a, Colour b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }
inline Colour operator*(Colour a, float k) { return {a.r * k, a.g * k, a.b * k}; }
inline Colour operator*(Colour a, Colour b) { return {a.r * b.r, a.g * b.g, a.b * b.b}; }
inline Colour Mix(Colour a, Colour b, float t) { return a + (b + a * -1.0f) * t; }
// 0xRRGGBB as a colour.
Colour Hex(std::uint32_t rgb);

struct Picture {
    Picture(int w, int h) : width(w), height(h), pixels(static_cast<std::size_t>(w) * h) {}
    Colour& At(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
    const Colour& At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }

    int width;
    int height;
    std::vector<Colour> pixels;
};

float Clamp01(float v);
float Smoothstep(float edge0, float edge1, float x);
// Distance from (px, py) to the segment (ax, ay)-(bx, by).
float SegmentDistance(float px, float py, float ax, float ay, float bx, float by);
// How much of a pixel a shape covers, from the pixel centre's signed distance to its edge.
inline float Coverage(float distance) { return Clamp01(0.5f - distance); }

// The ordered 4x4 dither's threshold for a pixel, in (0, 1).
float DitherThreshold(int x, int y);

// Each channel to the nearest level of the layout (5 bits, green 5 or 6), or spread between
// the two nearest by an ordered 4x4 pattern when dither is set, so soft gradients keep their
// smoothness. The bytes are the level with its top bits repeated below, so cutting them to
// the layout gives back exactly that level.
RgbImage Quantize(const Picture& picture, int greenBits, bool dither);
// Full 8-bit channels, each rounded, for pictures outside the game.
RgbImage Quantize8(const Picture& picture);
