// The game's name as a glowing word, added onto the dimmed picture at the top right.
#pragma once

#include "platform/png_file.h"

constexpr int kLogoWidth = 268;
constexpr int kLogoHeight = 88;

RgbImage LogoSprite();
