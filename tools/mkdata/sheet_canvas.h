// The contact sheet's page: a big 8-bit picture with checkerboards, labels in Unifont and
// the game's 16-bit sprites pasted on, enlarged, keyed or added as the game draws them.
#pragma once

#include <string_view>

#include "gfx/surface.h"
#include "platform/png_file.h"
#include "unifont.h"

enum class PasteMode {
    Keyed,     // copied, key pixels left out (the checkerboard shows)
    Additive,  // added channel by channel onto what is there, key pixels left out
};

class SheetCanvas {
public:
    SheetCanvas(int width, int height, const GlyphSet& font);

    void Checker(int x, int y, int w, int h);
    // One line of ASCII in 8x16 glyphs; gives the x after it.
    int Label(int x, int y, std::string_view text, std::uint32_t rgb = 0xE8E8E8);
    // A sprite (in the running display layout) with its top-left at (x, y), each pixel
    // drawn as scale x scale.
    void Paste(const Surface& sprite, int x, int y, int scale, PasteMode mode);
    // A whole 8-bit picture, shrunk by an integer factor (each output pixel the average; 1
    // pastes it as it is).
    void PasteShrunk(const RgbImage& picture, int x, int y, int factor);

    const RgbImage& Image() const { return image_; }

private:
    std::uint8_t* At(int x, int y);

    RgbImage image_;
    const GlyphSet& font_;
};

// Every printable ASCII character, for the font the sheet needs.
std::u32string SheetCharacters();
