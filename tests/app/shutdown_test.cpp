// The end of a run: every surface released and the display let go. The samples' frees, last
// and in their order, are in the whole-program runs' sound lines.
#include "app/win_main.h"

#include <gtest/gtest.h>

#include "game/resources.h"
#include "gfx/display.h"
#include "platform/feed.h"

TEST(Shutdown, ReleasesEverySurface)
{
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
}
