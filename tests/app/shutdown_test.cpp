// The end of a run: everything released and the samples freed last, in their order.
#include "app/win_main.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include "game/resources.h"
#include "game_folder.h"
#include "gfx/display.h"
#include "platform/feed.h"
#include "platform/headless/headless.h"

TEST(Shutdown, ReleasesEverythingAndFreesTheSamplesLast)
{
    const GameFolder folder;
    ASSERT_EQ(chdir(folder.Path().c_str()), 0);
    FeedMessage(WM_CLOSE, 0, 0);  // taken by the first iteration
    EXPECT_EQ(WinMain(ThisModule(), nullptr, nullptr, SW_SHOWDEFAULT), 0);
    EXPECT_EQ(BackgroundCanvas, nullptr);
    EXPECT_EQ(CompositionCanvas, nullptr);
    EXPECT_EQ(LogoSprite, nullptr);
    EXPECT_EQ(ComboSprite, nullptr);
    for (Surface* sprite : BlockSprites) EXPECT_EQ(sprite, nullptr);
    for (Surface* sprite : FlameFrames) EXPECT_EQ(sprite, nullptr);
    for (Surface* sprite : ExplosionFrames) EXPECT_EQ(sprite, nullptr);
    EXPECT_EQ(TheDisplay.directDraw, nullptr);
    EXPECT_EQ(TheDisplay.primary, nullptr);
    EXPECT_EQ(TheDisplay.backBuffer, nullptr);
    const auto& sounds = headless::SoundCalls();
    ASSERT_GE(sounds.size(), 4u);
    EXPECT_EQ(std::vector<std::string>(sounds.end() - 4, sounds.end()),
              (std::vector<std::string>{"FSOUND_Sample_Free Explo.Wav", "FSOUND_Sample_Free Flame.Wav",
                                        "FSOUND_Sample_Free Alpha.Wav", "FSOUND_Sample_Free Dynamic.Wav"}));
}
