#include <gtest/gtest.h>

#include <cstring>

#include "display_fixture.h"
#include "platform/cp949.h"
#include "platform/gdi.h"

namespace {

using BlitTest = LayoutTest;

// What a blit of `sprite` placed at (x, y) must leave on a black destination: each sprite
// pixel at its own place, where that place is on the destination and the pixel is no key.
std::vector<std::uint16_t> Painted(const Surface& sprite, const Surface& dest, int x, int y,
                                   int srcLeft = 0, int srcTop = 0, int w = -1, int h = -1)
{
    if (w < 0) w = sprite.width;
    if (h < 0) h = sprite.height;
    std::vector<std::uint16_t> out(static_cast<std::size_t>(dest.width) * dest.height, 0);
    for (int row = 0; row < h; ++row) {
        for (int col = 0; col < w; ++col) {
            const int dx = x + col;
            const int dy = y + row;
            if (dx < 0 || dy < 0 || dx >= dest.width || dy >= dest.height) continue;
            const std::uint16_t p = sprite.pixels[(srcTop + row) * sprite.width + srcLeft + col];
            if (sprite.bltFlags == DDBLTFAST_SRCCOLORKEY && p == sprite.colorKey) continue;
            out[static_cast<std::size_t>(dy) * dest.width + dx] = p;
        }
    }
    return out;
}

struct Placement {
    int x;
    int y;
};

// Sprites smaller than, wider than and taller than the destination, at places across every
// edge, partly off, wholly off, and where the right edge's arithmetic would wrap.
TEST_P(BlitTest, SpriteIsClippedOnEveryEdge)
{
    const Placement placements[] = {
        {-10, 5}, {630, 5},  {5, -6},   {5, 470},  {-10, -6},  {630, 470}, {616, 0},
        {-23, 0}, {639, 0},  {0, -15},  {0, 479},  // one column or row left
        {640, 0}, {-24, 0},  {-30, 0},  {0, 480},  {0, -16},   {0, -40},   // nothing
        {32760, 0}, {0, 32760}, {-32768, 0},  // positions whose right edge wraps
    };
    for (auto [width, height] : {std::pair{24, 16}, {700, 20}, {24, 500}}) {
        Surface sprite;
        ASSERT_EQ(sprite.Create(static_cast<std::uint16_t>(width), static_cast<std::uint16_t>(height)), 1);
        FillPattern(sprite, static_cast<std::uint16_t>(width));
        for (const Placement at : placements) {
            Canvas screen(640, 480);
            EXPECT_EQ(sprite.BlitTo(screen, static_cast<std::int16_t>(at.x), static_cast<std::int16_t>(at.y)), 1);
            ASSERT_EQ(PixelsOf(screen), Painted(sprite, screen, at.x, at.y))
                << width << "x" << height << " at " << at.x << "," << at.y;
        }
    }
}

TEST_P(BlitTest, PartOfTheSourceClippedOnTheLeftAndTop)
{
    Surface sheet;
    ASSERT_EQ(sheet.Create(32, 32), 1);
    FillPattern(sheet, 9);
    for (const Placement at : {Placement{-3, -2}, Placement{100, 100}, Placement{636, 477}}) {
        Canvas screen(640, 480);
        EXPECT_EQ(sheet.BlitRectTo(screen, static_cast<std::int16_t>(at.x), static_cast<std::int16_t>(at.y), 4, 6, 8, 5), 1);
        EXPECT_EQ(PixelsOf(screen), Painted(sheet, screen, at.x, at.y, 4, 6, 8, 5)) << at.x << "," << at.y;
    }
}

TEST_P(BlitTest, KeyedSpriteKeepsTheDestinationUnderItsKey)
{
    const std::uint16_t magenta = Colour(31, 0, 31);
    Surface sprite;
    ASSERT_EQ(sprite.Create(24, 16), 1);
    FillPattern(sprite, 2);
    for (int i = 0; i < 24 * 16; i += 3) sprite.pixels[i] = magenta;

    Canvas opaque(640, 480);
    sprite.BlitTo(opaque, 100, 50);
    EXPECT_EQ(opaque.GetPixel(100, 50), magenta);
    EXPECT_EQ(PixelsOf(opaque), Painted(sprite, opaque, 100, 50));

    sprite.SetColorKey(magenta);
    Canvas keyed(640, 480);
    sprite.BlitTo(keyed, 100, 50);
    EXPECT_EQ(keyed.GetPixel(100, 50), 0);
    EXPECT_EQ(keyed.GetPixel(101, 50), sprite.GetPixel(1, 0));
    EXPECT_EQ(PixelsOf(keyed), Painted(sprite, keyed, 100, 50));
}

INSTANTIATE_LAYOUTS(BlitTest);

// ---------------------------------------------------------------------------------------------
// Text

using TextTest = LayoutTest;

cp949::Glyph GlyphOf(const char* character)
{
    cp949::Glyph glyph;
    char32_t codePoint;
    cp949::NextCharacter(character, static_cast<int>(std::strlen(character)), &glyph, &codePoint);
    return glyph;
}

bool Ink(const cp949::Glyph& glyph, int col, int row)
{
    const int bytesPerRow = glyph.width / 8;
    return (glyph.rows[row * bytesPerRow + col / 8] >> (7 - col % 8)) & 1;
}

// Every pixel of the canvas: `stroke` where the glyph at (x, y) has ink, `cell` elsewhere in
// its cell (or the pixel as it was, when cell is negative), untouched outside.
void ExpectGlyph(const Canvas& canvas, const std::vector<std::uint16_t>& before, const cp949::Glyph& glyph,
                 int x, int y, std::uint16_t stroke, int cell)
{
    for (int py = 0; py < canvas.height; ++py) {
        for (int px = 0; px < canvas.width; ++px) {
            const std::uint16_t old = before[py * canvas.width + px];
            std::uint16_t want = old;
            const int col = px - x;
            const int row = py - y;
            if (col >= 0 && col < glyph.width && row >= 0 && row < cp949::kGlyphHeight) {
                if (Ink(glyph, col, row))
                    want = stroke;
                else if (cell >= 0)
                    want = static_cast<std::uint16_t>(cell);
            }
            ASSERT_EQ(canvas.pixels[py * canvas.width + px], want) << "at " << px << "," << py;
        }
    }
}

std::uint16_t White()
{
    return TheDisplay.is565 ? 0xFFFF : 0x7FFF;
}

TEST_P(TextTest, OpaqueTextFillsItsCellsWithWhite)
{
    Canvas canvas(640, 480);
    canvas.Fill(Colour(10, 10, 10));
    const auto before = PixelsOf(canvas);
    canvas.SetTextRGB(0, 0, 0);  // the constructor's mode is opaque
    canvas.Printf(7, 9, "%d", 4);
    ExpectGlyph(canvas, before, GlyphOf("4"), 7, 9, 0, White());
}

// A device context the platform refuses draws nothing, and leaves none held for the next text.
TEST_P(TextTest, RefusedDeviceContextDrawsNothing)
{
    headless::FailCall(host::Call::GetDC, 2);  // the first was the display's probe
    Canvas canvas(640, 480);
    canvas.SetTextBkMode(TRANSPARENT);
    canvas.SetTextRGB(255, 255, 255);
    const auto before = PixelsOf(canvas);
    EXPECT_EQ(canvas.Printf(0, 0, "%s", "A"), 1);
    EXPECT_EQ(PixelsOf(canvas), before);
    canvas.Printf(0, 0, "%s", "A");
    ExpectGlyph(canvas, before, GlyphOf("A"), 0, 0, White(), -1);
}

INSTANTIATE_LAYOUTS(TextTest);

}  // namespace
