// The program run in this process: what the intro takes (the seed, the mouse reference, the
// cursor), and the end of a run, every surface released and the display let go. The samples'
// frees, last and in their order, are in the whole-program runs' sound lines.
#include <gtest/gtest.h>

#include <iterator>
#include <tuple>
#include <vector>

#include "app/intro.h"
#include "app/win_main.h"
#include "game/game_tick.h"
#include "game/resources.h"
#include "gfx/display.h"
#include "platform/crt_random.h"
#include "platform/feed.h"
#include "platform/headless/headless.h"

TEST(Intro, SeedsTheGeneratorAndTakesTheCursor)
{
    headless::SetWallClock(987654);
    FeedCursorPosition(123, 45);
    ASSERT_EQ(RunIntro(), 1);
    const int drawn = crt::rand();
    crt::srand(987654);
    EXPECT_EQ(drawn, crt::rand());
    EXPECT_EQ(std::tuple(MouseState.currentX, MouseState.referenceX, MouseState.currentY), std::tuple(123, 123, 45));
    EXPECT_EQ(ShowCursor(TRUE), 0) << "one hide, so one show brings the count back to 0";
}

TEST(Shutdown, ReleasesEverySurface)
{
    FeedMessage(WM_CLOSE, 0, 0);  // taken by the first iteration
    EXPECT_EQ(WinMain(ThisModule(), nullptr, nullptr, SW_SHOWDEFAULT), 0);
    std::vector<const void*> left = {BackgroundCanvas, CompositionCanvas, LogoSprite, ComboSprite,
                                     TheDisplay.directDraw, TheDisplay.primary, TheDisplay.backBuffer};
    left.insert(left.end(), std::begin(BlockSprites), std::end(BlockSprites));
    left.insert(left.end(), std::begin(FlameFrames), std::end(FlameFrames));
    left.insert(left.end(), std::begin(ExplosionFrames), std::end(ExplosionFrames));
    EXPECT_EQ(left, std::vector<const void*>(left.size(), nullptr));
}
