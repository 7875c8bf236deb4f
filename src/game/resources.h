// The sprites and canvases the game draws with. LoadResources fills them once at start and
// Shutdown deletes them; a slot stays null when its picture was never loaded.
#pragma once

#include "gfx/surface.h"

constexpr int kBlockSpriteCount = 8;  // seven piece colours, then the wall and floor block
constexpr int kFlameFrameCount = 21;
constexpr int kExplosionFrameCount = 23;

extern Surface* LogoSprite;
extern Surface* ComboSprite;  // the four-row banner; null when its pack fails the check
extern Surface* BlockSprites[kBlockSpriteCount];
extern Surface* FlameFrames[kFlameFrameCount];
extern Surface* ExplosionFrames[kExplosionFrameCount];
extern Canvas* BackgroundCanvas;
extern Canvas* CompositionCanvas;
