#include "game/well_drawing.h"

#include "game/resources.h"

Surface* CellSprite(int value) {
    if (value < 1 || value > kBlockSpriteCount) {
        return nullptr;
    }
    return BlockSprites[value - 1];
}

void DrawSprite(Surface* sprite, Surface* dest, int x, int y) {
    if (sprite != nullptr && dest != nullptr) {
        sprite->BlitTo(*dest, static_cast<std::int16_t>(x), static_cast<std::int16_t>(y));
    }
}

void AddSprite(Surface* sprite, Surface* dest, int x, int y) {
    if (sprite != nullptr && dest != nullptr) {
        sprite->BlendAddTo(*dest, static_cast<std::int16_t>(x), static_cast<std::int16_t>(y));
    }
}

void ShadowSprite(Surface* sprite, Surface* dest, int x, int y) {
    if (sprite != nullptr && dest != nullptr) {
        sprite->BlendPercentTo(*dest, static_cast<std::int16_t>(x), static_cast<std::int16_t>(y),
                               kShadowWeight);
    }
}

void PresentCanvas(Surface* frame) {
    if (frame != nullptr) {
        frame->Present();
    }
}
