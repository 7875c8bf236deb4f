// The five sprite packs and the background picture, read by the game's own readers in both
// display layouts.
#include "generated_data.h"

namespace {

class Packs : public ::testing::TestWithParam<bool> {
protected:
    DisplayUp display{GetParam()};
};

// Each pack holds exactly its images, in its layout, of its sizes (exact, or at most). The
// flames and explosions are added with a white key: a pixel that came out as the key would
// be a hole in the fire, so none may.
TEST_P(Packs, CountsSizesAndLayoutsAreTheOnesTheGameTakes) {
    struct Expect {
        const char* name;
        int count;
        int format;  // 0 = 5-5-5, 1 = 5-6-5
        int width, height;
        bool exact, whiteKeyed;
    };
    for (const Expect& e : {Expect{"Logo.QSF", 1, 1, 268, 140, false, false},
                            {"Block.QSF", 8, 1, 24, 16, true, false},
                            {"Flame.Qsf", 21, 0, 16, 24, true, true},
                            {"Explo.Qsf", 23, 1, 128, 128, true, true},
                            {"Combo.Qsf", 1, 0, 320, 480, false, false}}) {
        SCOPED_TRACE(e.name);
        const LoadedPack pack = LoadPack(e.name, e.count);
        EXPECT_EQ(pack.declared, e.count);
        EXPECT_EQ(pack.format, e.format);
        ASSERT_EQ(pack.images.size(), std::size_t(e.count));
        std::size_t bytes = 19;  // the header, then each image's size and pixels
        for (const auto& image : pack.images) {
            bytes += 4 + std::size_t(image->width) * image->height * 2;
            EXPECT_LE(image->width, e.width);
            EXPECT_LE(image->height, e.height);
            EXPECT_TRUE(!e.exact || (image->width == e.width && image->height == e.height));
            const std::uint16_t white = TheDisplay.is565 ? 0xFFFF : 0x7FFF;
            std::uint16_t* const end = image->pixels + image->width * image->height;
            EXPECT_TRUE(!e.whiteKeyed || std::find(image->pixels, end, white) == end);
        }
        EXPECT_EQ(ReadBytes(e.name).size(), bytes);
    }
    // The background picture is read at the size it declares.
    Surface background;
    ASSERT_EQ(background.LoadBackground("BACK1.Qsf"), 1);
    EXPECT_EQ(background.width, 640);
    EXPECT_EQ(background.height, 480);
}

INSTANTIATE_TEST_SUITE_P(Layouts, Packs, ::testing::Bool());

}  // namespace
