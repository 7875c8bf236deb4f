#include "game/resources.h"

Surface* LogoSprite = nullptr;
Surface* ComboSprite = nullptr;
Surface* BlockSprites[kBlockSpriteCount] = {};
Surface* FlameFrames[kFlameFrameCount] = {};
Surface* ExplosionFrames[kExplosionFrameCount] = {};
Canvas* BackgroundCanvas = nullptr;
Canvas* CompositionCanvas = nullptr;
