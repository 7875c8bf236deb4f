// The picture behind the well: a calm northern night, green light drifting over dark
// hills and a still lake.
#pragma once

#include "platform/png_file.h"

constexpr int kBackgroundWidth = 640;
constexpr int kBackgroundHeight = 480;

RgbImage BackgroundPicture();
