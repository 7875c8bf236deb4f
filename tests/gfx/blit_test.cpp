#include <gtest/gtest.h>

#include <utility>

#include "display_fixture.h"
#include "platform/gdi.h"

namespace {

// A sprite of width x height, of which BlitRectTo copies the rectangle w x h at (left, top).
struct Piece {
    std::uint16_t width, height;
    std::int16_t left, top;
    std::uint16_t w, h;
};

// What a blit of the piece placed at (x, y) must leave on a black destination: each pixel
// at its own place, where that place is on the destination and the pixel is no key.
std::vector<std::uint16_t> Painted(const Surface& sprite, const Piece& p, const Surface& dest,
                                   int x, int y)
{
    std::vector<std::uint16_t> out(static_cast<std::size_t>(dest.width) * dest.height, 0);
    for (int row = 0; row < p.h; ++row) {
        for (int col = 0; col < p.w; ++col) {
            const int dx = x + col, dy = y + row;
            if (dx < 0 || dy < 0 || dx >= dest.width || dy >= dest.height) continue;
            const std::uint16_t pixel = sprite.pixels[(p.top + row) * sprite.width + p.left + col];
            if (sprite.bltFlags == DDBLTFAST_SRCCOLORKEY && pixel == sprite.colorKey) continue;
            out[static_cast<std::size_t>(dy) * dest.width + dx] = pixel;
        }
    }
    return out;
}

using BlitTest = LayoutTest;

// Sprites smaller than, wider than and taller than the destination, and a piece from inside
// a sheet, opaque and keyed, at places across every edge, partly off, wholly off, and where
// the right edge's arithmetic would wrap.
TEST_P(BlitTest, ClippedOnEveryEdgeOpaqueOrKeyed)
{
    const Piece pieces[] = {
        {24, 16, 0, 0, 24, 16}, {700, 20, 0, 0, 700, 20}, {24, 500, 0, 0, 24, 500},
        {32, 32, 4, 6, 8, 5}};
    const std::pair<int, int> placements[] = {
        {-10, 5}, {630, 5},  {5, -6},   {5, 470},  {-10, -6},  {630, 470}, {616, 0},
        {-23, 0}, {639, 0},  {0, -15},  {0, 479},  // one column or row left
        {640, 0}, {-24, 0},  {-30, 0},  {0, 480},  {0, -16},   {0, -40},   // nothing
        {32760, 0}, {0, 32760}, {-32768, 0},  // positions whose right edge wraps
    };
    const std::uint16_t magenta = Colour(31, 0, 31);
    for (const Piece& p : pieces) {
        for (const bool keyed : {false, true}) {
            Surface sprite;
            ASSERT_EQ(sprite.Create(p.width, p.height), 1);
            FillPattern(sprite, p.width);
            for (int i = 0; i < p.width * p.height; i += 3) sprite.pixels[i] = magenta;
            if (keyed) sprite.SetColorKey(magenta);
            for (const auto& [x, y] : placements) {
                Canvas screen(640, 480);
                sprite.BlitRectTo(screen, static_cast<std::int16_t>(x),
                                  static_cast<std::int16_t>(y), p.left, p.top, p.w, p.h);
                ASSERT_EQ(PixelsOf(screen), Painted(sprite, p, screen, x, y))
                    << p.w << "x" << p.h << (keyed ? " keyed" : "") << " at " << x << "," << y;
            }
        }
    }
}

// Printf draws its formatted text as the platform's TextOutA draws it in the canvas's mode
// and colour, which start as opaque black, and gives the device context back each time.
TEST_P(BlitTest, PrintfDrawsInTheCanvasModeAndColour)
{
    for (const bool transparent : {false, true}) {
        Canvas canvas(640, 480), expected(640, 480);
        for (Canvas* c : {&canvas, &expected}) c->Fill(Colour(10, 10, 10));
        if (transparent) {
            canvas.SetTextBkMode(TRANSPARENT);
            canvas.SetTextRGB(200, 100, 50);
        }
        canvas.Printf(7, 9, "%d", 4);
        canvas.Printf(15, 9, "%s", "\xC7\xD1");  // the first gave its device context back
        HDC dc = nullptr;
        ASSERT_EQ(expected.surface->GetDC(&dc), DD_OK);
        SetBkMode(dc, transparent ? TRANSPARENT : OPAQUE);
        SetTextColor(dc, transparent ? RGB(200, 100, 50) : RGB(0, 0, 0));
        TextOutA(dc, 7, 9, "4\xC7\xD1", 3);
        expected.surface->ReleaseDC(dc);
        EXPECT_EQ(PixelsOf(canvas), PixelsOf(expected)) << transparent;
    }
}

INSTANTIATE_TEST_SUITE_P(Layouts, BlitTest, ::testing::Bool());

}  // namespace
