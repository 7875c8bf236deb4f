#include "unifont.h"

#include <cstdio>
#include <fstream>
#include <set>

std::u32string DecodeUtf8(std::string_view text) {
    std::u32string out;
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int length = lead < 0x80 ? 1 : (lead >> 5) == 6 ? 2 : (lead >> 4) == 14 ? 3 : (lead >> 3) == 30 ? 4 : 0;
        char32_t code = length == 1 ? lead : length == 2 ? lead & 0x1F : length == 3 ? lead & 0x0F : lead & 0x07;
        bool valid = length != 0 && i + length <= text.size();
        for (int k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            valid = (next >> 6) == 2;
            code = code << 6 | (next & 0x3F);
        }
        out.push_back(valid ? code : U'\uFFFD');
        i += valid ? length : 1;
    }
    return out;
}

namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// "XXXX:" then 32 hex digits (8 wide) or 64 (16 wide), each row's bits from the left.
bool ParseLine(const std::string& line, char32_t* code, Glyph* glyph) {
    const std::size_t colon = line.find(':');
    if (colon == std::string::npos || colon == 0) return false;
    char32_t value = 0;
    for (std::size_t i = 0; i < colon; ++i) {
        const int digit = HexDigit(line[i]);
        if (digit < 0) return false;
        value = value << 4 | static_cast<char32_t>(digit);
    }
    const std::size_t digits = line.size() - colon - 1;
    if (digits != 32 && digits != 64) return false;
    const int perRow = static_cast<int>(digits / 16);
    glyph->width = perRow * 4;
    for (int y = 0; y < 16; ++y) {
        unsigned bits = 0;
        for (int k = 0; k < perRow; ++k) {
            const int digit = HexDigit(line[colon + 1 + y * perRow + k]);
            if (digit < 0) return false;
            bits = bits << 4 | static_cast<unsigned>(digit);
        }
        glyph->rows[y] = static_cast<std::uint16_t>(bits << (16 - glyph->width));
    }
    *code = value;
    return true;
}

}  // namespace

bool LoadGlyphs(const std::string& hexPath, const std::vector<std::u32string>& texts, GlyphSet* glyphs,
                std::string* error) {
    std::set<char32_t> wanted;
    for (const std::u32string& text : texts) wanted.insert(text.begin(), text.end());
    std::ifstream file(hexPath);
    if (!file) {
        *error = hexPath + ": cannot be opened";
        return false;
    }
    std::string line;
    while (std::getline(file, line) && glyphs->size() < wanted.size()) {
        char32_t code = 0;
        Glyph glyph;
        if (ParseLine(line, &code, &glyph) && wanted.count(code)) (*glyphs)[code] = glyph;
    }
    for (char32_t code : wanted) {
        if (!glyphs->count(code)) {
            char name[16];
            std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(code));
            *error = hexPath + ": no glyph for " + name;
            return false;
        }
    }
    return true;
}
