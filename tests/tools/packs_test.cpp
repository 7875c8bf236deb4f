// The five sprite packs and the background, read by the game's own readers in both display
// layouts.
#include "generated_data.h"

namespace {

class Packs : public ::testing::TestWithParam<bool> {
protected:
    DisplayUp display{GetParam()};
};

std::string Layout(const ::testing::TestParamInfo<bool>& info) { return info.param ? "565" : "555"; }

std::uint16_t WhiteKey() { return TheDisplay.is565 ? 0xFFFF : 0x7FFF; }

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

// Flames and explosions are added with a white key: a pixel that came out as the key would
// be a hole in the fire, so none may.
TEST_P(Packs, FireNeverTurnsIntoItsKey) {
    for (auto [name, count] : {std::pair{"Flame.Qsf", 21}, std::pair{"Explo.Qsf", 23}}) {
        SCOPED_TRACE(name);
        const LoadedPack pack = LoadPack(name, count);
        ASSERT_EQ(pack.images.size(), std::size_t(count));
        for (std::size_t f = 0; f < pack.images.size(); ++f) {
            const Surface& s = *pack.images[f];
            for (int i = 0; i < s.width * s.height; ++i) ASSERT_NE(s.pixels[i], WhiteKey()) << "frame " << f;
        }
    }
}

TEST_P(Packs, TheBackgroundFillsTheScreen) {
    Canvas canvas(640, 480);
    ASSERT_EQ(canvas.LoadBackground("BACK1.Qsf"), 1);
    EXPECT_EQ(canvas.width, 640);
    EXPECT_EQ(canvas.height, 480);
    EXPECT_TRUE(headless::MessageBoxes().empty());
}

INSTANTIATE_TEST_SUITE_P(Layouts, Packs, ::testing::Bool(), Layout);

}  // namespace
