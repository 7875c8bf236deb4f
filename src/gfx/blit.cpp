// Rectangle copies through the platform's fast blit, clipped to the destination, and text
// through the canvas's device context.
#include <cstdarg>
#include <cstring>

#include "report/error_report.h"
#include "gfx/surface.h"
#include "platform/gdi.h"

int Surface::BlitRectTo(Surface& dest, std::int16_t x, std::int16_t y, std::int16_t srcLeft,
                        std::int16_t srcTop, std::uint16_t rectWidth, std::uint16_t rectHeight)
{
    if (!Usable() || !dest.Usable()) return 1;

    RECT r;
    SetRect(&r, srcLeft, srcTop, srcLeft + rectWidth, srcTop + rectHeight);

    // The edges are cut on the position passed in, in 16-bit arithmetic; a rectangle wholly
    // outside comes out empty or inverted, and the blit refuses it.
    std::int16_t destX = x;
    std::int16_t destY = y;
    if (x < dest.clipLeft) {
        r.left += -x;
        destX = 0;
    }
    if (y < dest.clipTop) {
        r.top += -y;
        destY = 0;
    }
    const auto right = static_cast<std::int16_t>(x + rectWidth);
    if (right > dest.clipRight + 1) r.right -= right - dest.clipRight - 1;
    const auto bottom = static_cast<std::int16_t>(y + rectHeight);
    if (bottom > dest.clipBottom + 1) r.bottom -= bottom - dest.clipBottom - 1;

    dest.surface->BltFast(static_cast<DWORD>(destX), static_cast<DWORD>(destY), surface, &r, bltFlags);
    return 1;
}

int Surface::BlitTo(Surface& dest, std::int16_t x, std::int16_t y)
{
    return BlitRectTo(dest, x, y, 0, 0, width, height);
}

int Canvas::Printf(std::int16_t x, std::int16_t y, const char* format, ...)
{
    if (!Usable()) return 1;

    char text[kTextBufferSize];
    std::va_list args;
    va_start(args, format);
    FormatText(text, format, args);
    va_end(args);

    // No device context, nothing to draw into.
    HDC dc = nullptr;
    if (surface->GetDC(&dc) != DD_OK) return 1;
    SetBkMode(dc, static_cast<int>(bkMode));
    SetTextColor(dc, RGB(textRed, textGreen, textBlue));
    TextOutA(dc, x, y, text, static_cast<int>(std::strlen(text)));
    surface->ReleaseDC(dc);
    return 1;
}
