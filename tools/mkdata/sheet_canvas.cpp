#include "sheet_canvas.h"

#include <algorithm>

#include "gfx/display.h"

SheetCanvas::SheetCanvas(int width, int height, const GlyphSet& font) : font_(font) {
    image_.width = width;
    image_.height = height;
    image_.rgb.assign(static_cast<std::size_t>(width) * height * 3, 0);
    for (std::size_t i = 0; i < image_.rgb.size(); i += 3) image_.rgb[i] = 26, image_.rgb[i + 1] = 28, image_.rgb[i + 2] = 34;
}

std::uint8_t* SheetCanvas::At(int x, int y) {
    if (x < 0 || y < 0 || x >= image_.width || y >= image_.height) return nullptr;
    return &image_.rgb[(static_cast<std::size_t>(y) * image_.width + x) * 3];
}

void SheetCanvas::Checker(int x, int y, int w, int h) {
    for (int j = 0; j < h; ++j) {
        for (int i = 0; i < w; ++i) {
            std::uint8_t* p = At(x + i, y + j);
            if (!p) continue;
            const std::uint8_t shade = ((i / 8 + j / 8) & 1) ? 58 : 40;
            p[0] = p[1] = p[2] = shade;
        }
    }
}

int SheetCanvas::Label(int x, int y, std::string_view text, std::uint32_t rgb) {
    for (char32_t code : DecodeUtf8(text)) {
        const auto found = font_.find(code);
        if (found == font_.end()) continue;
        const Glyph& glyph = found->second;
        for (int gy = 0; gy < 16; ++gy) {
            for (int gx = 0; gx < glyph.width; ++gx) {
                std::uint8_t* p = glyph.Ink(gx, gy) ? At(x + gx, y + gy) : nullptr;
                if (p) p[0] = rgb >> 16 & 0xFF, p[1] = rgb >> 8 & 0xFF, p[2] = rgb & 0xFF;
            }
        }
        x += glyph.width;
    }
    return x;
}

void SheetCanvas::Paste(const Surface& sprite, int x, int y, int scale, PasteMode mode) {
    if (!sprite.Usable()) return;
    const RgbImage rgb = Expand16(sprite.pixels, sprite.width, sprite.height, TheDisplay.is565 != 0);
    for (int sy = 0; sy < sprite.height; ++sy) {
        for (int sx = 0; sx < sprite.width; ++sx) {
            if (sprite.pixels[sy * sprite.width + sx] == sprite.colorKey) continue;
            const std::uint8_t* s = &rgb.rgb[(static_cast<std::size_t>(sy) * sprite.width + sx) * 3];
            for (int j = 0; j < scale; ++j) {
                for (int i = 0; i < scale; ++i) {
                    std::uint8_t* p = At(x + sx * scale + i, y + sy * scale + j);
                    if (!p) continue;
                    for (int c = 0; c < 3; ++c)
                        p[c] = mode == PasteMode::Keyed ? s[c] : static_cast<std::uint8_t>(std::min(255, p[c] + s[c]));
                }
            }
        }
    }
}

void SheetCanvas::PasteShrunk(const RgbImage& picture, int x, int y, int factor) {
    for (int oy = 0; oy < picture.height / factor; ++oy) {
        for (int ox = 0; ox < picture.width / factor; ++ox) {
            std::uint8_t* p = At(x + ox, y + oy);
            if (!p) continue;
            for (int c = 0; c < 3; ++c) {
                int sum = 0;
                for (int j = 0; j < factor; ++j)
                    for (int i = 0; i < factor; ++i)
                        sum += picture.rgb[(static_cast<std::size_t>(oy * factor + j) * picture.width + ox * factor + i) * 3 + c];
                p[c] = static_cast<std::uint8_t>(sum / (factor * factor));
            }
        }
    }
}

std::u32string SheetCharacters() {
    std::u32string all;
    for (char32_t c = 0x20; c < 0x7F; ++c) all.push_back(c);
    return all;
}
