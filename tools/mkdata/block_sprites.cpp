#include "block_sprites.h"

#include <algorithm>
#include <cmath>

#include "picture.h"
#include "prng.h"

namespace {

constexpr float kCornerRadius = 3.5f;
constexpr float kBevel = 3.2f;

// Entry t is piece type t: the line, the square, the T, the skew pair, the bent pair. Each
// colour, the stone's too, has a brightness of its own, so the pieces tell apart by lightness
// as well as by hue for players who cannot tell red from green.
constexpr std::uint32_t kPieceColours[7] = {0x78ECF8, 0xFAEC6A, 0x7A2CC0, 0x6CE468, 0xE43448, 0x1C30C0, 0xF58028};
constexpr std::uint32_t kStoneColour = 0x88888F;

// Signed distance to the cell's rounded outline, negative inside.
float OutlineDistance(float x, float y) {
    const float hx = kCellWidth / 2.0f;
    const float hy = kCellHeight / 2.0f;
    const float qx = std::fabs(x - hx) - (hx - kCornerRadius);
    const float qy = std::fabs(y - hy) - (hy - kCornerRadius);
    const float outside = std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f));
    return outside + std::min(std::max(qx, qy), 0.0f) - kCornerRadius;
}

// The slab's height: rising over the bevel from the edge to a flat top.
float Height(float x, float y) { return Smoothstep(0.0f, kBevel, -OutlineDistance(x, y)); }

struct Finish {
    float gloss;    // strength of the highlight
    float grain;    // speckle of the surface
    float contour;  // how dark the outermost ring of pixels is
};

Colour ShadePixel(int x, int y, Colour base, const Finish& finish, std::uint32_t seed) {
    const float px = x + 0.5f;
    const float py = y + 0.5f;
    const float e = 0.35f;
    const float gx = (Height(px + e, py) - Height(px - e, py)) / (2 * e);
    const float gy = (Height(px, py + e) - Height(px, py - e)) / (2 * e);
    // The normal of the slab; the light comes from the upper left, in front of the well.
    const float slope = 2.4f;
    float nx = -gx * slope, ny = -gy * slope, nz = 1.0f;
    const float nl = std::sqrt(nx * nx + ny * ny + nz * nz);
    nx /= nl, ny /= nl, nz /= nl;
    const float lx = -0.55f, ly = -0.65f, lz = 0.52f;
    const float diffuse = std::max(0.0f, nx * lx + ny * ly + nz * lz);
    // Reflection of the light towards the viewer for the bevel's glint.
    const float rz = 2 * (nx * lx + ny * ly + nz * lz) * nz - lz;
    const float glint = std::pow(std::max(0.0f, rz), 12.0f) * finish.gloss;

    // The flat top: lighter towards the top, with a soft sheen across its upper half.
    const float v = py / kCellHeight;
    const float top = 1.08f - 0.28f * v;
    const float sheen = finish.gloss * 0.35f * Smoothstep(0.62f, 0.18f, v + 0.15f * (px / kCellWidth - 0.5f)) *
                        Smoothstep(0.0f, 2.0f, -OutlineDistance(px, py) - kBevel + 1.0f);

    const float grain = finish.grain * (static_cast<float>(FractalNoise(px * 0.3, py * 0.3, 4, seed)) - 0.5f) +
                        finish.grain * 0.25f * (static_cast<float>(LatticeHash(x, y, seed + 7) & 0xFF) / 255.0f - 0.5f);
    const float light = (0.30f + 0.95f * diffuse) * top + grain;
    Colour c = base * light;
    c = Mix(c, Hex(0xFFFFFF), Clamp01(glint + sheen));
    const float rim = Smoothstep(-1.3f, -0.2f, OutlineDistance(px, py));
    return c * (1.0f - finish.contour * rim);
}

RgbImage Cell(Colour base, const Finish& finish, std::uint32_t seed) {
    Picture picture(kCellWidth, kCellHeight);
    for (int y = 0; y < kCellHeight; ++y)
        for (int x = 0; x < kCellWidth; ++x) picture.At(x, y) = ShadePixel(x, y, base, finish, seed);
    RgbImage image = Quantize(picture, 6, false);
    // Pixels whose centre lies outside the rounded outline show what is behind the cell.
    for (int y = 0; y < kCellHeight; ++y) {
        for (int x = 0; x < kCellWidth; ++x) {
            if (OutlineDistance(x + 0.5f, y + 0.5f) <= 0) continue;
            std::uint8_t* p = &image.rgb[(static_cast<std::size_t>(y) * kCellWidth + x) * 3];
            p[0] = 255, p[1] = 0, p[2] = 255;
        }
    }
    return image;
}

}  // namespace

std::vector<RgbImage> BlockSprites() {
    std::vector<RgbImage> cells;
    const Finish glossy{1.0f, 0.05f, 0.45f};
    for (std::uint32_t t = 0; t < 7; ++t) cells.push_back(Cell(Hex(kPieceColours[t]), glossy, 11 + t));
    const Finish stone{0.2f, 0.55f, 0.35f};
    cells.push_back(Cell(Hex(kStoneColour), stone, 97));
    return cells;
}
