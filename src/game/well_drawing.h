// Where the well's cells stand on screen, and the drawing of the game's sprites in the ways
// the well uses them. A sprite slot or canvas that was never made is passed over.
#pragma once

#include <cstdint>

#include "gfx/surface.h"

constexpr int kScreenWidth = 640;
constexpr int kScreenHeight = 480;

constexpr int kCellWidth = 24;
constexpr int kCellHeight = 16;
constexpr int kWellLeft = 40;  // the well's column 0, row 0
constexpr int kWellTop = 40;
constexpr int kShadowOffset = 8;  // shadows fall right of and below their cells
constexpr std::uint8_t kShadowWeight = 30;

constexpr std::int16_t CellX(int column) {
    return static_cast<std::int16_t>(kWellLeft + kCellWidth * column);
}
constexpr std::int16_t CellY(int row) {
    return static_cast<std::int16_t>(kWellTop + kCellHeight * row);
}

// The block sprite of a Board value 1-8; null for any other value or an empty slot.
Surface* CellSprite(int value);

void DrawSprite(Surface* sprite, Surface* dest, int x, int y);    // copy, skipping the key
void AddSprite(Surface* sprite, Surface* dest, int x, int y);     // add, saturating
void ShadowSprite(Surface* sprite, Surface* dest, int x, int y);  // 30 % over what lies below
void PresentCanvas(Surface* frame);
