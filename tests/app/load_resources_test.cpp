// Loading in the program itself: the colour key of every sprite in both layouts, the fixed
// slot counts, and what a fatal failure leaves unmade.
#include "app/load_resources.h"

#include <gtest/gtest.h>
#include <unistd.h>

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

    GameFolder folder_;
};

void ExpectKeys(Surface* const* sprites, int count, int key)
{
    for (int i = 0; i < count; ++i) {
        SCOPED_TRACE(testing::Message() << "sprite " << i << " of " << count);
        ASSERT_NE(sprites[i], nullptr);
        EXPECT_EQ(sprites[i]->colorKey, key);
        EXPECT_EQ(sprites[i]->bltFlags, 1u);
        EXPECT_NE(sprites[i]->width, 0) << "not read";
    }
}

}  // namespace

TEST_P(LoadResourcesTest, EverySpriteGetsTheKeyOfItsPack)
{
    const bool is565 = GetParam();
    ASSERT_EQ(LoadResources(), 1);
    ExpectKeys(&LogoSprite, 1, 0);
    ExpectKeys(&ComboSprite, 1, 0);
    ExpectKeys(BlockSprites, kBlockSpriteCount, is565 ? 0xF81F : 0x7C1F);
    ExpectKeys(FlameFrames, kFlameFrameCount, is565 ? 0xFFFF : 0x7FFF);
    ExpectKeys(ExplosionFrames, kExplosionFrameCount, is565 ? 0xFFFF : 0x7FFF);
}

TEST_P(LoadResourcesTest, AFatalPackLeavesEverythingAfterItUnmade)
{
    folder_.Remove("Flame.Qsf");
    EXPECT_EQ(LoadResources(), 0);
    for (Surface* sprite : FlameFrames) EXPECT_EQ(sprite, nullptr);
    for (Surface* sprite : ExplosionFrames) EXPECT_EQ(sprite, nullptr);
    EXPECT_EQ(ComboSprite, nullptr);
    EXPECT_EQ(BackgroundCanvas, nullptr);
}

// A pack fills its slots whatever it declares: a ninth block image that would be refused if
// it were read, and a flame pack of three images whose last slots are made empty.
TEST_P(LoadResourcesTest, APackFillsExactlyItsSlots)
{
    const RgbImage block = SolidPicture(24, 16, 200, 40, 40);
    folder_.WritePack("Block.QSF", std::vector<RgbImage>(kBlockSpriteCount, block), 1);
    std::vector<std::uint8_t> pack = folder_.Read("Block.QSF");
    pack[17] = kBlockSpriteCount + 1;
    pack.insert(pack.end(), {6, 0, 2, 0});  // 6 wide, so refused
    pack.insert(pack.end(), 6 * 2 * 2, 0x55);
    folder_.Write("Block.QSF", pack);
    folder_.WritePack("Flame.Qsf", std::vector<RgbImage>(3, SolidPicture(16, 24, 250, 120, 0)), 0);
    EXPECT_EQ(LoadResources(), 1);
    EXPECT_TRUE(headless::MessageBoxes().empty()) << "the ninth image was read";
    for (Surface* sprite : BlockSprites) {
        ASSERT_NE(sprite, nullptr);
        EXPECT_EQ(sprite->width, 24);
    }
    for (int i = 0; i < kFlameFrameCount; ++i) {
        ASSERT_NE(FlameFrames[i], nullptr) << i;
        EXPECT_EQ(FlameFrames[i]->width, i < 3 ? 16 : 0) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(BothLayouts, LoadResourcesTest, ::testing::Bool());
