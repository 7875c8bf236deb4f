#include "icon_picture.h"

#include <algorithm>
#include <cmath>

#include "picture.h"

namespace {

constexpr float kRound = 22.0f;

float TileDistance(float x, float y) {
    const float h = kIconSide / 2.0f - 2.0f;
    const float qx = std::fabs(x - kIconSide / 2.0f) - (h - kRound);
    const float qy = std::fabs(y - kIconSide / 2.0f) - (h - kRound);
    return std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f)) + std::min(std::max(qx, qy), 0.0f) - kRound;
}

// The cells: (block entry, column, row) on a 5 x 8 grid of 24 x 16 cells.
struct Placed {
    int entry, column, row;
};
constexpr Placed kCells[] = {{2, 1, 1}, {2, 2, 1}, {2, 3, 1}, {2, 2, 2},                        // a T on its way down
                             {4, 0, 5}, {4, 1, 5}, {1, 3, 5}, {1, 4, 5}, {0, 0, 6}, {3, 1, 6},  // the pile
                             {3, 2, 6}, {1, 3, 6}, {1, 4, 6}, {6, 0, 7}, {6, 1, 7}, {3, 2, 7},
                             {5, 3, 7}, {5, 4, 7}};

}  // namespace

RgbImage IconPicture(const std::vector<RgbImage>& blocks) {
    Picture tile(kIconSide, kIconSide);
    std::vector<float> alpha(tile.pixels.size());
    for (int y = 0; y < kIconSide; ++y) {
        for (int x = 0; x < kIconSide; ++x) {
            const float px = x + 0.5f, py = y + 0.5f;
            const float v = py / kIconSide;
            const float band = std::exp(-std::pow((py - 44.0f - 10.0f * std::sin(px * 0.05f)) / 14.0f, 2.0f));
            tile.At(x, y) = Mix(Hex(0x0B1424), Hex(0x08261E), v) + Hex(0x2FD38A) * (0.55f * band);
            alpha[static_cast<std::size_t>(y) * kIconSide + x] = Coverage(TileDistance(px, py));
        }
    }
    // The cells, 24 x 16 as in the well, over a 4-pixel margin.
    for (const Placed& cell : kCells) {
        const RgbImage& block = blocks[cell.entry];
        for (int y = 0; y < block.height; ++y) {
            for (int x = 0; x < block.width; ++x) {
                const std::uint8_t* p = &block.rgb[(static_cast<std::size_t>(y) * block.width + x) * 3];
                if (p[0] == 255 && p[1] == 0 && p[2] == 255) continue;
                const int tx = 4 + cell.column * 24 + x, ty = -4 + cell.row * 16 + y;
                if (tx < 0 || ty < 0 || tx >= kIconSide || ty >= kIconSide) continue;
                tile.At(tx, ty) = {p[0] / 255.0f, p[1] / 255.0f, p[2] / 255.0f};
            }
        }
    }
    RgbImage icon = Quantize8(tile);
    // Outside the rounded tile the icon fades to the desktop's black.
    for (std::size_t i = 0; i < alpha.size(); ++i)
        for (int c = 0; c < 3; ++c) icon.rgb[i * 3 + c] = static_cast<std::uint8_t>(icon.rgb[i * 3 + c] * alpha[i]);
    return icon;
}
