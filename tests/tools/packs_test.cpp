// The five sprite packs, read by the game's own reader in both display layouts.
#include "generated_data.h"

namespace {

class Packs : public ::testing::TestWithParam<bool> {
protected:
    DisplayUp display{GetParam()};
};

std::string Layout(const ::testing::TestParamInfo<bool>& info) { return info.param ? "565" : "555"; }

std::uint16_t WhiteKey() { return TheDisplay.is565 ? 0xFFFF : 0x7FFF; }
std::uint16_t MagentaKey() { return TheDisplay.is565 ? 0xF81F : 0x7C1F; }

std::uint16_t At(const Surface& s, int x, int y) { return s.pixels[y * s.width + x]; }

bool EdgesBlack(const Surface& s) {
    for (int x = 0; x < s.width; ++x)
        if (At(s, x, 0) || At(s, x, s.height - 1)) return false;
    for (int y = 0; y < s.height; ++y)
        if (At(s, 0, y) || At(s, s.width - 1, y)) return false;
    return true;
}

TEST_P(Packs, CountsSizesAndLayoutsAreTheOnesTheGameTakes) {
    struct Expect {
        const char* name;
        int count;
        int format;  // 0 = 5-5-5, 1 = 5-6-5
    };
    for (const Expect& e : {Expect{"Logo.QSF", 1, 1}, Expect{"Block.QSF", 8, 1}, Expect{"Flame.Qsf", 21, 0},
                            Expect{"Explo.Qsf", 23, 1}, Expect{"Combo.Qsf", 1, 0}}) {
        SCOPED_TRACE(e.name);
        const LoadedPack pack = LoadPack(e.name, e.count);
        EXPECT_EQ(pack.declared, e.count);
        EXPECT_EQ(pack.format, e.format);
        ASSERT_EQ(pack.images.size(), std::size_t(e.count));
        // Nothing may follow the last image: the pack is exactly its images.
        std::size_t bytes = 19;
        for (const auto& image : pack.images) bytes += 4 + std::size_t(image->width) * image->height * 2;
        EXPECT_EQ(ReadBytes(e.name).size(), bytes);
    }
    const LoadedPack logo = LoadPack("Logo.QSF", 1);
    EXPECT_LE(logo.images[0]->width, 268);
    EXPECT_LE(logo.images[0]->height, 140);
    EXPECT_EQ(logo.images[0]->width % 4, 0);
    for (const auto& cell : LoadPack("Block.QSF", 8).images) EXPECT_TRUE(cell->width == 24 && cell->height == 16);
    for (const auto& flame : LoadPack("Flame.Qsf", 21).images) EXPECT_TRUE(flame->width == 16 && flame->height == 24);
    for (const auto& blast : LoadPack("Explo.Qsf", 23).images) EXPECT_TRUE(blast->width == 128 && blast->height == 128);
    const LoadedPack combo = LoadPack("Combo.Qsf", 1);
    EXPECT_LE(combo.images[0]->width, 320);
    EXPECT_EQ(combo.images[0]->width % 4, 0);
}

TEST_P(Packs, BlockCellsAreKeyedOnlyAtTheirRoundedCorners) {
    const LoadedPack blocks = LoadPack("Block.QSF", 8);
    ASSERT_EQ(blocks.images.size(), 8u);
    std::vector<Rgb> faces;
    for (const auto& cell : blocks.images) {
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 24; ++x) {
                const bool corner = (x < 2 || x > 21) && (y < 2 || y > 13) && !((x == 1 || x == 22) && (y == 1 || y == 14));
                EXPECT_EQ(At(*cell, x, y) == MagentaKey(), corner) << "at " << x << "," << y;
            }
        }
        faces.push_back(Channels(At(*cell, 12, 8)));
    }
    // Seven piece colours and the stone, none alike: every pair differs clearly somewhere.
    for (std::size_t a = 0; a < faces.size(); ++a)
        for (std::size_t b = a + 1; b < faces.size(); ++b)
            EXPECT_GT(std::abs(faces[a].r - faces[b].r) + std::abs(faces[a].g - faces[b].g) +
                          std::abs(faces[a].b - faces[b].b), 60) << a << " vs " << b;
}

// Flames and explosions are added with a white key: a pixel that came out as the key would
// be a hole in the fire, so none may, and what lies around the fire is black (adds nothing).
TEST_P(Packs, FireNeverTurnsIntoItsKeyAndStaysInsideItsFrames) {
    for (auto [name, count] : {std::pair{"Flame.Qsf", 21}, std::pair{"Explo.Qsf", 23}}) {
        SCOPED_TRACE(name);
        const LoadedPack pack = LoadPack(name, count);
        ASSERT_EQ(pack.images.size(), std::size_t(count));
        for (std::size_t f = 0; f < pack.images.size(); ++f) {
            const Surface& s = *pack.images[f];
            for (int i = 0; i < s.width * s.height; ++i) ASSERT_NE(s.pixels[i], WhiteKey()) << "frame " << f;
            if (std::string(name) == "Explo.Qsf") {
                EXPECT_TRUE(EdgesBlack(s)) << "frame " << f;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Layouts, Packs, ::testing::Bool(), Layout);

}  // namespace
