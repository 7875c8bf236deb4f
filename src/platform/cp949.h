// The game's Korean texts are CP949 bytes. This is the one place that knows the code: which
// bytes make a character, its Unicode code point, and its GNU Unifont picture. The tables are
// generated at build time from the installed Unifont and glibc's CP949 conversion.
#pragma once

#include <cstdint>
#include <string>

namespace cp949 {

constexpr int kGlyphHeight = 16;

// A character's picture: 16 rows of width / 8 bytes, the leftmost pixel in the top bit.
struct Glyph {
    int width;  // 8 or 16
    const std::uint8_t* rows;

    bool Inked(int row, int column) const { return (rows[row * (width / 8) + column / 8] >> (7 - column % 8)) & 1; }
};

// The character at the start of `text` (`length` bytes, at least 1): its picture, its code
// point (U+FFFD for a byte that is no character) and the number of bytes it takes (1 or 2).
// A byte that is no character takes one byte and a blank 8x16 cell.
int NextCharacter(const char* text, int length, Glyph* glyph, char32_t* codePoint);

// The generated tables. Codes: 0..127 the single bytes, then 128 + lead * 178 + trail for the
// double bytes, lead 0x81..0xFE, trail 0x41..0x5A, 0x61..0x7A, 0x81..0xFE counted from 0.
namespace table {
constexpr int kLeads = 0xFE - 0x81 + 1;
constexpr int kTrails = 26 + 26 + (0xFE - 0x81 + 1);
constexpr int kCodes = 128 + kLeads * kTrails;
extern const std::uint16_t kCodePoint[kCodes];   // 0 for a pair that is no character
extern const std::uint16_t kGlyphOfCode[kCodes];  // glyph 0 is the blank 8x16 cell
extern const std::uint32_t kGlyphStart[];         // byte offsets into kGlyphBits, one past the last
extern const std::uint8_t kGlyphBits[];
}  // namespace table

}  // namespace cp949

// A CP949 text (NUL-terminated) as UTF-8, for message boxes and records.
std::string Cp949ToUtf8(const char* text);
