// Loading in the program itself: the colour key of every sprite in both layouts, the fixed
// slot counts, and what a fatal failure leaves behind.
#include "app/load_resources.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include "game/board.h"
#include "game/resources.h"
#include "game_folder.h"
#include "gfx/display.h"
#include "platform/headless/headless.h"

namespace {

class LoadResourcesTest : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override
    {
        headless::SetLayout565(GetParam());
        ASSERT_EQ(chdir(folder_.Path().c_str()), 0);
        ASSERT_EQ(InitDisplay(), 1);
    }

    bool Is565() const { return GetParam(); }

    template <int Count>
    static void ExpectKeys(Surface* (&sprites)[Count], std::uint16_t key, const char* what)
    {
        for (int i = 0; i < Count; ++i) {
            ASSERT_NE(sprites[i], nullptr) << what << " " << i;
            EXPECT_EQ(sprites[i]->colorKey, key) << what << " " << i;
            EXPECT_EQ(sprites[i]->bltFlags, 1u) << what << " " << i;
            EXPECT_NE(sprites[i]->width, 0) << what << " " << i << " was not read";
        }
    }

    GameFolder folder_;
};

std::string Layout(const ::testing::TestParamInfo<bool>& info)
{
    return info.param ? "Layout565" : "Layout555";
}

}  // namespace

TEST_P(LoadResourcesTest, EverySpriteGetsTheKeyOfItsPackAndTheCanvasesAndWallsAreMade)
{
    ASSERT_EQ(LoadResources(), 1);
    Surface* logo[] = {LogoSprite};
    Surface* combo[] = {ComboSprite};
    ExpectKeys(logo, 0, "logo");
    ExpectKeys(combo, 0, "banner");
    ExpectKeys(BlockSprites, Is565() ? 0xF81F : 0x7C1F, "block");
    ExpectKeys(FlameFrames, Is565() ? 0xFFFF : 0x7FFF, "flame");
    ExpectKeys(ExplosionFrames, Is565() ? 0xFFFF : 0x7FFF, "explosion");
    EXPECT_TRUE(headless::MessageBoxes().empty());
    ASSERT_NE(BackgroundCanvas, nullptr);
    ASSERT_NE(CompositionCanvas, nullptr);
    EXPECT_EQ(CompositionCanvas->width, 640);
    EXPECT_EQ(Board[13], kWallCell);
    EXPECT_EQ(Board[24 * kBoardColumns + 6], kWallCell);
}

TEST_P(LoadResourcesTest, AFatalPackLeavesEverythingAfterItUnmade)
{
    folder_.Patch("Flame.Qsf", 0, 'q');
    EXPECT_EQ(LoadResources(), 0);
    EXPECT_NE(LogoSprite, nullptr);
    for (Surface* sprite : BlockSprites) EXPECT_NE(sprite, nullptr);
    for (Surface* sprite : FlameFrames) EXPECT_EQ(sprite, nullptr);
    for (Surface* sprite : ExplosionFrames) EXPECT_EQ(sprite, nullptr);
    EXPECT_EQ(ComboSprite, nullptr);
    EXPECT_EQ(BackgroundCanvas, nullptr);
    EXPECT_TRUE(headless::SoundCalls().empty());
    EXPECT_EQ(headless::MessageBoxes().size(), 1u);
}

TEST_P(LoadResourcesTest, APackIsReadOnlyForItsSlots)
{
    // A ninth image that would be refused if it were read: no message shows it was not.
    folder_.WritePack("Block.QSF", std::vector<RgbImage>(kBlockSpriteCount, SolidPicture(24, 16, 200, 40, 40)), 1);
    std::vector<std::uint8_t> pack = folder_.Read("Block.QSF");
    pack[17] = kBlockSpriteCount + 1;
    pack.insert(pack.end(), {6, 0, 2, 0});
    pack.insert(pack.end(), 6 * 2 * 2, 0x55);
    folder_.Write("Block.QSF", pack);
    EXPECT_EQ(LoadResources(), 1);
    EXPECT_TRUE(headless::MessageBoxes().empty());
    for (Surface* sprite : BlockSprites) {
        ASSERT_NE(sprite, nullptr);
        EXPECT_EQ(sprite->width, 24);
    }
}

TEST_P(LoadResourcesTest, AShortPackLeavesItsLastSlotsEmptyButMade)
{
    folder_.WritePack("Flame.Qsf", std::vector<RgbImage>(3, SolidPicture(16, 24, 250, 120, 0)), 0);
    EXPECT_EQ(LoadResources(), 1);
    for (int i = 0; i < kFlameFrameCount; ++i) {
        ASSERT_NE(FlameFrames[i], nullptr) << i;
        EXPECT_EQ(FlameFrames[i]->width, i < 3 ? 16 : 0) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(BothLayouts, LoadResourcesTest, ::testing::Bool(), Layout);
