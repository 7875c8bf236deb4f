// Reading CP949: which bytes make a character, its code point, and UTF-8 for boxes. How each
// character's glyph is drawn is pinned by the TextOutA tests.
#include "platform/cp949.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <string>

namespace {

// The code point glibc gives for the bytes, or 0 when they are not exactly one character.
char32_t IconvCodePoint(const std::string& bytes)
{
    iconv_t cd = iconv_open("UCS-4LE", "CP949");
    char32_t codePoint = 0;
    char* in = const_cast<char*>(bytes.data());
    char* out = reinterpret_cast<char*>(&codePoint);
    std::size_t inLeft = bytes.size(), outLeft = sizeof codePoint;
    const std::size_t converted = iconv(cd, &in, &inLeft, &out, &outLeft);
    iconv_close(cd);
    return converted != static_cast<std::size_t>(-1) && inLeft == 0 && outLeft == 0 ? codePoint : 0;
}

}  // namespace

TEST(Cp949, EveryBytePairDecodesAsGlibcSays)
{
    int characters = 0;
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int trail = 0x00; trail <= 0xFF; ++trail) {
            const std::string bytes{static_cast<char>(lead), static_cast<char>(trail)};
            const char32_t expected = IconvCodePoint(bytes);
            cp949::Glyph glyph;
            char32_t codePoint;
            const int size = cp949::NextCharacter(bytes.data(), 2, &glyph, &codePoint);
            characters += expected != 0;
            SCOPED_TRACE(testing::Message() << std::hex << lead << " " << trail);
            ASSERT_EQ(size, expected != 0 ? 2 : 1);
            ASSERT_EQ(codePoint, expected != 0 ? expected : U'\uFFFD');
            ASSERT_TRUE(glyph.width == 8 || (expected != 0 && glyph.width == 16));
        }
    }
    EXPECT_GT(characters, 17000);  // KS X 1001 and the extended Hangul
}

// A byte that is no character is U+FFFD. ASCII, control bytes and Hangul are pinned by the
// texts test, which reads every game text back through here.
TEST(Cp949, ToUtf8)
{
    EXPECT_EQ(Cp949ToUtf8("\xA2\xE6"), "\xE2\x82\xAC");  // the euro sign, three bytes in UTF-8
    EXPECT_EQ(Cp949ToUtf8("\xA1\xA4"), "\xC2\xB7");      // the middle dot, two bytes
    EXPECT_EQ(Cp949ToUtf8("a\xFF" "b\x80\xC7"), "a\xEF\xBF\xBD" "b\xEF\xBF\xBD\xEF\xBF\xBD");
}
