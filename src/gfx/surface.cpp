// Surface and Canvas: their life, the one DirectDraw surface each owns, pixel access, fills,
// the colour key and the text attributes. A Surface whose DirectDraw surface could not be
// had (never loaded, refused by Create, refused by the platform) does nothing at all.
#include "gfx/surface.h"

#include <cstring>

#include "report/error_report.h"
#include "gfx/display.h"
#include "platform/gdi.h"
#include "texts/texts.h"

namespace {

// Larger pictures than this are no sprite or screen of the game; refusing them keeps a
// damaged file from asking for gigabytes.
constexpr std::uint16_t kMaxSide = 4096;

}  // namespace

int FillPixelRun(std::uint16_t* dest, std::uint16_t colour, std::int32_t count)
{
    if (count & 1) {
        *dest = colour;
        ++dest;
    }
    const std::uint32_t pair = static_cast<std::uint32_t>(colour) << 16 | colour;
    for (std::int32_t words = count >> 1; words > 0; --words) {
        std::memcpy(dest, &pair, sizeof pair);
        dest += 2;
    }
    return 1;
}

Surface::Surface()
    : clipLeft(0), clipRight(0), clipTop(0), clipBottom(0), bltFlags(0), width(0), height(0),
      pitch(0), colorKey(0), surface(nullptr), pixels(nullptr)
{
}

Surface::~Surface()
{
    if (surface != nullptr) {
        surface->Release();
        surface = nullptr;
    }
}

bool Surface::Usable() const
{
    return surface != nullptr && pixels != nullptr;
}

int Surface::Create(std::uint16_t newWidth, std::uint16_t newHeight)
{
    if (newWidth % 4 != 0) {
        ReportError(text::CaptionGraphics, "%s", text::WidthNotMultipleOf4);
        return 0;
    }
    if (newWidth > kMaxSide || newHeight > kMaxSide) {
        ReportError(text::CaptionGraphics, text::PictureTooLarge, static_cast<unsigned>(newWidth),
                    static_cast<unsigned>(newHeight));
        return 0;
    }

    DDSURFACEDESC& desc = TheDisplay.surfaceDesc;
    std::memset(&desc, 0, sizeof desc);
    desc.dwSize = 108;
    desc.dwFlags = DDSD_CAPS | DDSD_HEIGHT | DDSD_WIDTH;
    desc.ddsCaps.dwCaps = DDSCAPS_OFFSCREENPLAIN | DDSCAPS_SYSTEMMEMORY;
    desc.dwWidth = newWidth;
    desc.dwHeight = newHeight;

    // A surface the platform will not make or open is given back at once: the Surface stays
    // as it was, empty and inert.
    IDirectDraw* directDraw = TheDisplay.directDraw;
    IDirectDrawSurface* made = nullptr;
    if (directDraw == nullptr || directDraw->CreateSurface(&desc, &made, nullptr) != DD_OK ||
        made == nullptr)
        return 0;
    if (made->Lock(nullptr, &desc, DDLOCK_WAIT, nullptr) != DD_OK || desc.lpSurface == nullptr) {
        made->Release();
        return 0;
    }
    surface = made;
    pixels = static_cast<std::uint16_t*>(desc.lpSurface);
    pitch = static_cast<std::uint16_t>(desc.lPitch);
    made->Unlock(nullptr);

    width = newWidth;
    height = newHeight;
    clipLeft = 0;
    clipTop = 0;
    clipRight = static_cast<std::int16_t>(newWidth - 1);
    clipBottom = static_cast<std::int16_t>(newHeight - 1);
    bltFlags = DDBLTFAST_NOCOLORKEY;
    Fill(0);
    return 1;
}

int Surface::Lock()
{
    if (Usable()) surface->Lock(nullptr, &TheDisplay.surfaceDesc, 0, nullptr);
    return 1;
}

int Surface::Unlock()
{
    if (Usable()) surface->Unlock(nullptr);
    return 1;
}

int Surface::Fill(std::uint16_t colour)
{
    if (!Usable()) return 1;
    Lock();
    FillPixelRun(pixels, colour, static_cast<std::int32_t>(width) * height);
    Unlock();
    return 1;
}

int Surface::PutPixel(std::int16_t x, std::int16_t y, std::uint16_t colour)
{
    if (!Usable() || x < clipLeft || x > clipRight || y < clipTop || y > clipBottom) return 0;
    FillPixelRun(pixels + (pitch * y) / 2 + x, colour, 1);
    return 1;
}

std::uint16_t Surface::GetPixel(std::int16_t x, std::int16_t y) const
{
    if (!Usable()) return 0;
    return pixels[(pitch * y) / 2 + x];
}

int Surface::SetColorKey(std::uint16_t key)
{
    if (surface != nullptr) {
        DDCOLORKEY record{key, key};
        surface->SetColorKey(DDCKEY_SRCBLT, &record);
    }
    colorKey = key;
    bltFlags = DDBLTFAST_SRCCOLORKEY;
    return 1;
}

Canvas::Canvas(std::uint16_t newWidth, std::uint16_t newHeight)
    : bkMode(OPAQUE), textRed(0), textGreen(0), textBlue(0)
{
    Create(newWidth, newHeight);
}

Canvas::~Canvas()
{
    pixels = nullptr;  // the DirectDraw surface goes back in ~Surface, which runs next
}

int Canvas::SetTextBkMode(std::uint32_t mode)
{
    bkMode = mode;
    return 1;
}

int Canvas::SetTextRGB(std::uint8_t red, std::uint8_t green, std::uint8_t blue)
{
    textRed = red;
    textGreen = green;
    textBlue = blue;
    return 1;
}
