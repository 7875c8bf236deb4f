// GDI on a surface: SetPixel's colour conversion and TextOutA in Unifont's glyphs, in both
// screen layouts. The expected glyphs come straight from the installed unifont.hex.
#include "platform/gdi.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "platform/ddraw.h"
#include "platform/headless/headless.h"

namespace {

struct HexGlyph {
    int width = 0;
    std::vector<unsigned long> rows;  // bit (width - 1 - column) set for ink
};

const HexGlyph kBlank{8, std::vector<unsigned long>(16, 0)};

HexGlyph UnifontGlyph(unsigned codePoint)
{
    char prefix[16];
    std::snprintf(prefix, sizeof prefix, "%04X:", codePoint);
    std::ifstream in(TUMBLOX_UNIFONT_HEX);
    for (std::string line; std::getline(in, line);) {
        if (!line.starts_with(prefix)) continue;
        const std::string digits = line.substr(line.find(':') + 1);
        HexGlyph glyph{digits.size() == 32 ? 8 : 16, {}};
        const std::size_t perRow = glyph.width / 4;
        for (std::size_t row = 0; row < 16; ++row)
            glyph.rows.push_back(std::stoul(digits.substr(row * perRow, perRow), nullptr, 16));
        return glyph;
    }
    ADD_FAILURE() << "no glyph for " << prefix;
    return kBlank;
}

constexpr std::uint16_t kGrey = 0x1234;

// A 64x32 surface painted grey, with a device context on it, in the layout of the test.
class Gdi : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override
    {
        headless::SetLayout565(GetParam());
        DirectDrawCreate(nullptr, &directDraw, nullptr);
        DDSURFACEDESC desc{};
        desc.dwFlags = DDSD_CAPS | DDSD_WIDTH | DDSD_HEIGHT;
        desc.dwWidth = 64;
        desc.dwHeight = 32;
        directDraw->CreateSurface(&desc, &surface, nullptr);
        std::fill(surface->Pixels(), surface->Pixels() + 64 * 32, kGrey);
        surface->GetDC(&dc);
    }
    void TearDown() override
    {
        surface->ReleaseDC(dc);
        surface->Release();
        directDraw->Release();
    }
    std::uint16_t At(int x, int y) const { return surface->Pixels()[y * 64 + x]; }
    std::uint16_t White() const { return GetParam() ? 0xFFFF : 0x7FFF; }
    std::uint16_t Red() const { return GetParam() ? 0xF800 : 0x7C00; }

    // Every pixel of the glyph's cell at (left, top) on the surface: red ink or `paper`.
    void ExpectGlyph(const HexGlyph& glyph, int left, int top, std::uint16_t paper)
    {
        for (int row = 0; row < 16; ++row)
            for (int column = 0; column < glyph.width; ++column) {
                const int x = left + column, y = top + row;
                if (x < 0 || y < 0 || x >= 64 || y >= 32) continue;
                const bool inked = glyph.rows[row] >> (glyph.width - 1 - column) & 1;
                ASSERT_EQ(At(x, y), inked ? Red() : paper) << "column " << column << " row " << row;
            }
    }
    int PixelsNotGrey() const
    {
        const std::uint16_t* pixels = surface->Pixels();
        return 64 * 32 - static_cast<int>(std::count(pixels, pixels + 64 * 32, kGrey));
    }

    IDirectDraw* directDraw = nullptr;
    IDirectDrawSurface* surface = nullptr;
    HDC dc = nullptr;
};

}  // namespace

TEST_P(Gdi, SetPixelTruncatesToTheScreenLayout)
{
    SetPixel(dc, 0, 0, RGB(255, 255, 255));
    SetPixel(dc, 1, 0, RGB(0x87, 0x46, 0x2D));
    SetPixel(dc, 2, 0, RGB(0x07, 0x03, 0x07));  // below one step of every channel
    EXPECT_EQ(At(0, 0), White());
    EXPECT_EQ(At(1, 0), GetParam() ? 0x8225 : 0x4105);
    EXPECT_EQ(At(2, 0), 0);
    EXPECT_EQ(SetPixel(dc, 64, 0, RGB(1, 2, 3)), 0xFFFFFFFFu);
    EXPECT_EQ(SetPixel(dc, 0, -1, RGB(1, 2, 3)), 0xFFFFFFFFu);
    EXPECT_EQ(PixelsNotGrey(), 3);
}

// Opaque text fills each cell with white first: eight wide for a single byte, sixteen for
// Hangul, a blank one for a control byte, a byte that is no character or a lead byte cut off
// by the length. Transparent text draws ink only.
TEST_P(Gdi, TextIsUnifontsGlyphsInCellsOfTheirWidth)
{
    SetTextColor(dc, RGB(255, 0, 0));
    ASSERT_TRUE(TextOutA(dc, 2, 0, "x\xC7\xD1\xFF\n", 5));  // U+D55C after the x
    ASSERT_TRUE(TextOutA(dc, 42, 0, "\xC7\xD1", 1));
    const HexGlyph han = UnifontGlyph(0xD55C);
    ASSERT_EQ(han.width, 16);
    for (const auto& [glyph, left] :
         {std::pair{UnifontGlyph('x'), 2}, {han, 10}, {kBlank, 26}, {kBlank, 34}, {kBlank, 42}})
        ExpectGlyph(glyph, left, 0, White());

    SetBkMode(dc, TRANSPARENT);
    ASSERT_TRUE(TextOutA(dc, 3, 16, "g", 1));
    const HexGlyph g = UnifontGlyph('g');
    ExpectGlyph(g, 3, 16, kGrey);
    int ink = 0;
    for (unsigned long row : g.rows) ink += std::popcount(row);
    EXPECT_EQ(PixelsNotGrey(), 48 * 16 + ink);  // the cells and the ink, nothing beyond
}

TEST_P(Gdi, TextIsClippedToTheSurface)
{
    SetTextColor(dc, RGB(255, 0, 0));
    ASSERT_TRUE(TextOutA(dc, -5, -7, "\xC7\xD1", 2));
    ExpectGlyph(UnifontGlyph(0xD55C), -5, -7, White());
    ASSERT_TRUE(TextOutA(dc, 58, 24, "WW", 2));
    ExpectGlyph(UnifontGlyph('W'), 58, 24, White());
    for (const auto& [x, y] : {std::pair{0, 32}, {0, -16}, {64, 0}, {-2147483647, 0}})
        EXPECT_TRUE(TextOutA(dc, x, y, "WWW", 3));
    EXPECT_EQ(PixelsNotGrey(), (16 - 7) * (16 - 5) + 6 * 8);
    EXPECT_FALSE(TextOutA(dc, 0, 0, "W", -1));
    EXPECT_FALSE(TextOutA(nullptr, 0, 0, "W", 1));
}

INSTANTIATE_TEST_SUITE_P(Layouts, Gdi, ::testing::Bool());
