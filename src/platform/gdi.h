// Stand-in for the GDI calls the game makes on a surface's device context: one pixel in the
// display's own colour conversion, and CP949 text in GNU Unifont's bitmap glyphs.
#pragma once

#include "platform/win32.h"

constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;

constexpr COLORREF RGB(BYTE red, BYTE green, BYTE blue)
{
    return static_cast<COLORREF>(red) | (static_cast<COLORREF>(green) << 8) |
           (static_cast<COLORREF>(blue) << 16);
}

COLORREF SetPixel(HDC dc, int x, int y, COLORREF colour);
int SetBkMode(HDC dc, int mode);
COLORREF SetTextColor(HDC dc, COLORREF colour);
BOOL TextOutA(HDC dc, int x, int y, LPCSTR text, int length);
