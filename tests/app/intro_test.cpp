// The intro in the program itself: the seed, the mouse reference, the dimmed background, the
// text set-up it leaves, and the stop when the display cannot show anything.
#include "app/intro.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "game/game_tick.h"
#include "game/resources.h"
#include "gfx/display.h"
#include "gfx/surface.h"
#include "platform/feed.h"
#include "platform/headless/headless.h"

// The seed, the mouse reference, one hide of the cursor, seven frames, and white transparent
// text on both canvases.
TEST(Intro, SetsUpTheGameAndPresentsSevenFrames)
{
    headless::SetWallClock(987654);
    FeedCursorPosition(123, 45);
    ASSERT_EQ(RunIntro(), 1);
    const int drawn = std::rand();
    std::srand(987654);
    EXPECT_EQ(drawn, std::rand());
    EXPECT_EQ(MouseState.currentX, 123);
    EXPECT_EQ(MouseState.referenceX, 123);
    EXPECT_EQ(MouseState.currentY, 45);
    EXPECT_EQ(ShowCursor(TRUE), 0) << "one hide, so one show brings the count back to 0";
    EXPECT_EQ(headless::PresentCount(), kDimmingFrames);
    for (Canvas* canvas : {CompositionCanvas, BackgroundCanvas}) {
        EXPECT_EQ(canvas->bkMode, 1u);
        EXPECT_EQ(canvas->textRed, 255);
        EXPECT_EQ(canvas->textGreen, 255);
        EXPECT_EQ(canvas->textBlue, 255);
    }
}

class IntroWithoutScreen : public ::testing::TestWithParam<host::Call> {};

// Before the primary surface exists nothing can be shown: no seeding, no loading, no frame.
TEST_P(IntroWithoutScreen, EndsBeforeSeedingAndLoading)
{
    headless::FailCall(GetParam());
    headless::SetWallClock(424242);
    EXPECT_EQ(RunIntro(), 0);
    const int drawn = std::rand();
    std::srand(1);  // the unseeded generator, of which the first two pieces took two draws
    std::rand();
    std::rand();
    EXPECT_EQ(drawn, std::rand());
    EXPECT_EQ(LogoSprite, nullptr);
    EXPECT_EQ(BackgroundCanvas, nullptr);
    EXPECT_TRUE(headless::SoundCalls().empty());
    EXPECT_EQ(headless::PresentCount(), 0);
    EXPECT_EQ(headless::MessageBoxes().size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(EarlyDisplaySteps, IntroWithoutScreen,
                         ::testing::Values(host::Call::DirectDrawCreate, host::Call::SetCooperativeLevel,
                                           host::Call::SetDisplayMode, host::Call::CreateSurface));
