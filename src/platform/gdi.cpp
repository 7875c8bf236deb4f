// GDI on a surface's device context: one pixel, and CP949 text in Unifont's glyphs.
#include "platform/gdi.h"

#include <algorithm>

#include "platform/cp949.h"
#include "platform/ddraw.h"
#include "platform/device_context.h"
#include "platform/host.h"
#include "platform/rgb_image.h"

namespace {

constexpr COLORREF CLR_INVALID = 0xFFFFFFFFu;

// A colour in the screen's 16-bit layout, each channel truncated.
std::uint16_t ScreenPixel(COLORREF colour)
{
    const unsigned red = colour & 0xFF, green = (colour >> 8) & 0xFF, blue = (colour >> 16) & 0xFF;
    if (host::ScreenIs565()) return static_cast<std::uint16_t>((red & 0xF8) << 8 | (green & 0xFC) << 3 | blue >> 3);
    return static_cast<std::uint16_t>((red & 0xF8) << 7 | (green & 0xF8) << 2 | blue >> 3);
}

// The colour a screen pixel shows, each channel widened again.
COLORREF ShownColour(std::uint16_t pixel)
{
    const RgbImage shown = Expand16(&pixel, 1, 1, host::ScreenIs565());
    return RGB(shown.rgb[0], shown.rgb[1], shown.rgb[2]);
}

// One character cell at (left, top), clipped to the surface.
void DrawGlyph(IDirectDrawSurface& surface, int left, int top, const cp949::Glyph& glyph, int bkMode,
               std::uint16_t ink, std::uint16_t paper)
{
    const int firstRow = std::max(0, -top), lastRow = std::min(cp949::kGlyphHeight, surface.Height() - top);
    const int firstColumn = std::max(0, -left), lastColumn = std::min(glyph.width, surface.Width() - left);
    for (int row = firstRow; row < lastRow; ++row) {
        std::uint16_t* out = surface.Pixels() + static_cast<std::size_t>(top + row) * surface.Width() + left;
        for (int column = firstColumn; column < lastColumn; ++column) {
            if (glyph.Inked(row, column))
                out[column] = ink;
            else if (bkMode == OPAQUE)
                out[column] = paper;
        }
    }
}

}  // namespace

COLORREF SetPixel(HDC dc, int x, int y, COLORREF colour)
{
    if (dc == nullptr) return CLR_INVALID;
    IDirectDrawSurface& surface = *dc->surface;
    if (x < 0 || y < 0 || x >= surface.Width() || y >= surface.Height()) return CLR_INVALID;
    const std::uint16_t pixel = ScreenPixel(colour);
    surface.Pixels()[static_cast<std::size_t>(y) * surface.Width() + x] = pixel;
    return ShownColour(pixel);
}

int SetBkMode(HDC dc, int mode)
{
    if (dc == nullptr || (mode != TRANSPARENT && mode != OPAQUE)) return 0;
    const int previous = dc->bkMode;
    dc->bkMode = mode;
    return previous;
}

COLORREF SetTextColor(HDC dc, COLORREF colour)
{
    if (dc == nullptr) return CLR_INVALID;
    const COLORREF previous = dc->textColour;
    dc->textColour = colour;
    return previous;
}

BOOL TextOutA(HDC dc, int x, int y, LPCSTR text, int length)
{
    if (dc == nullptr || length < 0 || (text == nullptr && length > 0)) return FALSE;
    if (y <= -cp949::kGlyphHeight || y >= dc->surface->Height()) return TRUE;  // wholly above or below
    const std::uint16_t ink = ScreenPixel(dc->textColour);
    const std::uint16_t paper = ScreenPixel(dc->bkColour);
    long long penX = x;
    for (int at = 0; at < length && penX < dc->surface->Width();) {
        cp949::Glyph glyph;
        char32_t codePoint;
        at += cp949::NextCharacter(text + at, length - at, &glyph, &codePoint);
        if (penX + glyph.width > 0) DrawGlyph(*dc->surface, static_cast<int>(penX), y, glyph, dc->bkMode, ink, paper);
        penX += glyph.width;
    }
    return TRUE;
}
