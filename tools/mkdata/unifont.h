// GNU Unifont's bitmap glyphs, read straight from its .hex file: 16 rows of 8 or 16 pixels.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

struct Glyph {
    int width = 0;                      // 8 or 16
    std::array<std::uint16_t, 16> rows{};  // bit 15 is the leftmost pixel
    bool Ink(int x, int y) const { return (rows[y] >> (15 - x) & 1) != 0; }
};

using GlyphSet = std::map<char32_t, Glyph>;

// Code points of UTF-8 text; a malformed sequence gives U+FFFD for its first byte.
std::u32string DecodeUtf8(std::string_view text);
// The glyphs of every code point in the texts. False, with *error, when the file cannot be
// read or lacks one of them.
bool LoadGlyphs(const std::string& hexPath, const std::vector<std::u32string>& texts, GlyphSet* glyphs,
                std::string* error);
