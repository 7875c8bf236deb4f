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

// A ninth block image that would be refused if it were read, and a flame pack of three
// images whose last slots are made empty; every sprite read gets the key of its pack.
TEST_P(LoadResourcesTest, APackFillsExactlyItsSlotsEachSpriteWithItsPacksKey)
{
    const bool is565 = GetParam();
    ASSERT_TRUE(WriteQsfPack(folder_.PathOf("Block.QSF"), std::vector(kBlockSpriteCount, GreyPicture(24, 16, 200)), 1));
    ASSERT_TRUE(WriteQsfPack(folder_.PathOf("Flame.Qsf"), std::vector(3, GreyPicture(16, 24, 250)), 0));
    Bytes pack = folder_.Read("Block.QSF");
    pack[17] = kBlockSpriteCount + 1;
    pack.insert(pack.end(), {6, 0, 2, 0});  // 6 wide, so refused
    pack.insert(pack.end(), 6 * 2 * 2, 0x55);
    folder_.Write("Block.QSF", pack);
    ASSERT_EQ(LoadResources(), 1);
    EXPECT_TRUE(headless::MessageBoxes().empty()) << "the ninth image was read";
    const struct {
        Surface* const* sprites;
        int count;
        int key;
        int width;  // 0: any but none
    } packs[] = {{&LogoSprite, 1, 0, 0},
                 {&ComboSprite, 1, 0, 0},
                 {BlockSprites, kBlockSpriteCount, is565 ? 0xF81F : 0x7C1F, 24},
                 {FlameFrames, 3, is565 ? 0xFFFF : 0x7FFF, 16},
                 {ExplosionFrames, kExplosionFrameCount, is565 ? 0xFFFF : 0x7FFF, 0}};
    for (const auto& p : packs)
        for (int i = 0; i < p.count; ++i) {
            SCOPED_TRACE(testing::Message() << "sprite " << i << " of " << p.count);
            ASSERT_NE(p.sprites[i], nullptr);
            const Surface& sprite = *p.sprites[i];
            EXPECT_EQ(std::tuple(sprite.colorKey, sprite.bltFlags, sprite.width != 0 && (!p.width || sprite.width == p.width)),
                      std::tuple(p.key, 1u, true));
        }
    for (int i = 3; i < kFlameFrameCount; ++i) EXPECT_EQ(FlameFrames[i]->width, 0) << i;
}

INSTANTIATE_TEST_SUITE_P(BothLayouts, LoadResourcesTest, ::testing::Bool());
