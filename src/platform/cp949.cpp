// Reading CP949 bytes through the generated tables.
#include "platform/cp949.h"

namespace cp949 {
namespace {

// The table code of a lead byte and the byte after it, or -1 when the pair is no character.
int DoubleByteCode(unsigned char lead, unsigned char trail)
{
    int trailIndex;
    if (trail >= 0x41 && trail <= 0x5A)
        trailIndex = trail - 0x41;
    else if (trail >= 0x61 && trail <= 0x7A)
        trailIndex = 26 + trail - 0x61;
    else if (trail >= 0x81 && trail <= 0xFE)
        trailIndex = 52 + trail - 0x81;
    else
        return -1;
    const int code = 128 + (lead - 0x81) * table::kTrails + trailIndex;
    return table::kCodePoint[code] != 0 ? code : -1;
}

Glyph GlyphOfCode(int code)
{
    const std::uint16_t glyph = table::kGlyphOfCode[code];
    const std::uint32_t start = table::kGlyphStart[glyph];
    const int bytes = static_cast<int>(table::kGlyphStart[glyph + 1] - start);
    return Glyph{bytes / kGlyphHeight * 8, table::kGlyphBits + start};
}

}  // namespace

int NextCharacter(const char* text, int length, Glyph* glyph, char32_t* codePoint)
{
    const auto first = static_cast<unsigned char>(text[0]);
    int code = -1;
    int size = 1;
    if (first < 0x80) {
        code = first;
    } else if (first >= 0x81 && first <= 0xFE && length >= 2) {
        code = DoubleByteCode(first, static_cast<unsigned char>(text[1]));
        size = 2;
    }
    if (code < 0) {
        *glyph = GlyphOfCode(0);  // NUL, like every byte without a picture, has the blank 8x16 cell
        *codePoint = U'\uFFFD';
        return 1;
    }
    *glyph = GlyphOfCode(code);
    *codePoint = table::kCodePoint[code];
    return size;
}

}  // namespace cp949

std::string Cp949ToUtf8(const char* text)
{
    std::string utf8;
    int length = 0;
    while (text[length] != '\0') ++length;
    for (int at = 0; at < length;) {
        cp949::Glyph glyph;
        char32_t c;
        at += cp949::NextCharacter(text + at, length - at, &glyph, &c);
        if (c < 0x80) {
            utf8 += static_cast<char>(c);
        } else if (c < 0x800) {
            utf8 += static_cast<char>(0xC0 | (c >> 6));
            utf8 += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            utf8 += static_cast<char>(0xE0 | (c >> 12));
            utf8 += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            utf8 += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return utf8;
}
