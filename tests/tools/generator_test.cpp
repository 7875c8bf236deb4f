// The generator's own readers: the banner's text and the font its letters come from.
#include <fstream>

#include "generated_data.h"
#include "unifont.h"

namespace {

// The banner's text decoded as the generator decodes it, its glyphs read from a font file
// with a line it must pass over.
TEST(Unifont, ReadsNarrowAndWideGlyphsAndNamesAMissingOne) {
    const std::string path = testing::TempDir() + "tumblox-font-" + std::to_string(::getpid());
    {
        std::ofstream hex(path);
        hex << "0041:0000000018242442427E424242420000\n";
        hex << "AD49:" << std::string(4, '0') << "8001" << std::string(56, 'F') << "\n";
        hex << "garbage line\n";
    }
    GlyphSet glyphs;
    std::string error;
    ASSERT_TRUE(LoadGlyphs(path, {DecodeUtf8("A굉")}, &glyphs, &error)) << error;
    const Glyph& a = glyphs.at(U'A');
    EXPECT_EQ(a.width, 8);
    EXPECT_TRUE(a.Ink(3, 4) && a.Ink(4, 4) && !a.Ink(2, 4) && !a.Ink(0, 0));
    const Glyph& wide = glyphs.at(U'\uAD49');
    EXPECT_EQ(wide.width, 16);
    EXPECT_TRUE(wide.Ink(0, 1) && wide.Ink(15, 1) && !wide.Ink(1, 1) && !wide.Ink(7, 0));

    GlyphSet more;
    EXPECT_FALSE(LoadGlyphs(path, {U"AB"}, &more, &error));
    EXPECT_NE(error.find("U+0042"), std::string::npos) << error;
    std::remove(path.c_str());
}

}  // namespace
