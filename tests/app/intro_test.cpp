// The intro in the program itself: the seed, the mouse reference and the hidden cursor.
#include "app/intro.h"

#include <gtest/gtest.h>

#include "game/game_tick.h"
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
    EXPECT_EQ(MouseState.currentX, 123);
    EXPECT_EQ(MouseState.referenceX, 123);
    EXPECT_EQ(MouseState.currentY, 45);
    EXPECT_EQ(ShowCursor(TRUE), 0) << "one hide, so one show brings the count back to 0";
}
