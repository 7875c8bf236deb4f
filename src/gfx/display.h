// The one display device: exclusive full screen at 640x480x16 with a primary surface and one
// back buffer, and the facts about its 16-bit pixel layout that every pixel operation reads.
#pragma once

#include <cstdint>

#include "platform/ddraw.h"

struct Display {
    IDirectDraw* directDraw = nullptr;
    IDirectDrawSurface* primary = nullptr;
    IDirectDrawSurface* backBuffer = nullptr;
    DDSURFACEDESC surfaceDesc{};  // request block of every creation, result block of every lock
    std::int32_t is565 = 0;       // exactly 0 or 1
    std::uint16_t redMax = 31;
    std::uint16_t greenMax = 63;
    std::uint16_t blueMax = 31;
    std::int32_t flipMode = 0;  // 1 once the whole chain is up; chooses the present path
};

extern Display TheDisplay;

int InitDisplay();
int DetectPixelFormat(IDirectDrawSurface* surface);
int ReleaseDisplay();
