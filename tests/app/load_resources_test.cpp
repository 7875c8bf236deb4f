// Loading in the program itself: the colour key of every sprite in both layouts, and the
// fixed slot counts whatever a pack declares.
#include "app/load_resources.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <tuple>

#include "game/resources.h"
#include "game_folder.h"
#include "gfx/display.h"
#include "imgfile/qsf_writer.h"
#include "platform/headless/headless.h"

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

TEST_P(LoadResourcesTest, EverySpriteGetsTheKeyOfItsPack)
{
    const bool is565 = GetParam();
    ASSERT_EQ(LoadResources(), 1);
    const struct {
        Surface* const* sprites;
        int count;
        int key;
    } packs[] = {{&LogoSprite, 1, 0},
                 {&ComboSprite, 1, 0},
                 {BlockSprites, kBlockSpriteCount, is565 ? 0xF81F : 0x7C1F},
                 {FlameFrames, kFlameFrameCount, is565 ? 0xFFFF : 0x7FFF},
                 {ExplosionFrames, kExplosionFrameCount, is565 ? 0xFFFF : 0x7FFF}};
    for (const auto& pack : packs)
        for (int i = 0; i < pack.count; ++i) {
            SCOPED_TRACE(testing::Message() << "sprite " << i << " of " << pack.count);
            ASSERT_NE(pack.sprites[i], nullptr);
            EXPECT_EQ(std::tuple(pack.sprites[i]->colorKey, pack.sprites[i]->bltFlags, pack.sprites[i]->width != 0),
                      std::tuple(pack.key, 1u, true));
        }
}

// A ninth block image that would be refused if it were read, and a flame pack of three
// images whose last slots are made empty.
TEST_P(LoadResourcesTest, APackFillsExactlyItsSlots)
{
    const RgbImage block = SolidPicture(24, 16, 200, 40, 40), flame = SolidPicture(16, 24, 250, 120, 0);
    ASSERT_TRUE(WriteQsfPack(folder_.PathOf("Block.QSF"), std::vector<RgbImage>(kBlockSpriteCount, block), 1));
    ASSERT_TRUE(WriteQsfPack(folder_.PathOf("Flame.Qsf"), std::vector<RgbImage>(3, flame), 0));
    Bytes pack = folder_.Read("Block.QSF");
    pack[17] = kBlockSpriteCount + 1;
    pack.insert(pack.end(), {6, 0, 2, 0});  // 6 wide, so refused
    pack.insert(pack.end(), 6 * 2 * 2, 0x55);
    folder_.Write("Block.QSF", pack);
    EXPECT_EQ(LoadResources(), 1);
    EXPECT_TRUE(headless::MessageBoxes().empty()) << "the ninth image was read";
    for (Surface* sprite : BlockSprites) EXPECT_EQ(sprite->width, 24);
    for (int i = 0; i < kFlameFrameCount; ++i) EXPECT_EQ(FlameFrames[i]->width, i < 3 ? 16 : 0) << i;
}

INSTANTIATE_TEST_SUITE_P(BothLayouts, LoadResourcesTest, ::testing::Bool());
