// A GDI device context on a DirectDraw surface: what it draws into, and its text state. Each
// GetDC starts from the defaults, as a fresh device context does.
#pragma once

#include "platform/gdi.h"

class IDirectDrawSurface;

struct HDC__ {
    IDirectDrawSurface* surface;
    int bkMode = OPAQUE;
    COLORREF bkColour = RGB(255, 255, 255);
    COLORREF textColour = RGB(0, 0, 0);
};
