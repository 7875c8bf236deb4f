// Off-screen 16-bit pictures in the display's layout. A Surface is a sprite or a buffer with
// a clip rectangle, a colour key and a pixel pointer learned once; a Canvas adds text.
// Operations are defined beside their kind: surface.cpp (life, pixels, fills, key),
// blit.cpp (rectangle copies, text), pixel_effects.cpp (blends, fade), present.cpp, and the
// file readers in imgfile/ (packs, background picture).
#pragma once

#include <cstdint>
#include <cstdio>

#include "platform/ddraw.h"

// Stores colour into count consecutive pixels, two per 32-bit word after an odd first one.
int FillPixelRun(std::uint16_t* dest, std::uint16_t colour, std::int32_t count);

class Surface {
public:
    Surface();
    ~Surface();
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    int Create(std::uint16_t width, std::uint16_t height);
    int Lock();
    int Unlock();
    int Fill(std::uint16_t colour);
    int PutPixel(std::int16_t x, std::int16_t y, std::uint16_t colour);
    std::uint16_t GetPixel(std::int16_t x, std::int16_t y) const;
    int SetColorKey(std::uint16_t key);
    // True while there is a DirectDraw surface with its pixels; without one every drawing
    // operation onto, from or of this Surface does nothing.
    bool Usable() const;

    int BlitRectTo(Surface& dest, std::int16_t x, std::int16_t y, std::int16_t srcLeft,
                   std::int16_t srcTop, std::uint16_t width, std::uint16_t height);
    int BlitTo(Surface& dest, std::int16_t x, std::int16_t y);

    int BlendAddTo(Surface& dest, std::int16_t x, std::int16_t y);
    int BlendPercentTo(Surface& dest, std::int16_t x, std::int16_t y, std::uint8_t weight);
    int FadeStep(std::uint8_t brighten);

    int Present();

    int LoadFromPack(std::FILE* file);
    int Convert555To565(std::int32_t count);
    int Convert565To555(std::int32_t count);
    int LoadBackground(const char* name);

    std::int16_t clipLeft;
    std::int16_t clipRight;
    std::int16_t clipTop;
    std::int16_t clipBottom;
    std::uint32_t bltFlags;
    std::uint16_t width;
    std::uint16_t height;
    std::uint16_t pitch;
    std::uint16_t colorKey;
    IDirectDrawSurface* surface;
    std::uint16_t* pixels;
};

class Canvas : public Surface {
public:
    Canvas(std::uint16_t width, std::uint16_t height);
    ~Canvas();

    int SetTextBkMode(std::uint32_t mode);
    int SetTextRGB(std::uint8_t red, std::uint8_t green, std::uint8_t blue);
    int Printf(std::int16_t x, std::int16_t y, const char* format, ...) __attribute__((format(printf, 4, 5)));

    std::uint32_t bkMode;
    std::uint8_t textRed;
    std::uint8_t textGreen;
    std::uint8_t textBlue;
};
