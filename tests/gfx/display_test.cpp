#include "gfx/display.h"

#include <gtest/gtest.h>

#include <optional>

#include "platform/headless/headless.h"

// The probe finds 5-6-5 only when it can draw white and read it back; the display comes up
// with its flip chain either way, and release keeps what the probe found. What each failing
// step says is pinned by the whole-program start runs.
TEST(Display, ComesUpWithTheLayoutTheProbeFinds)
{
    struct Case {
        bool screen565;
        std::optional<host::Call> refused;  // the probe's call the platform refuses
        int is565;
    };
    // The refusals first, while each is the first call of its kind.
    for (const Case& c : {Case{true, host::Call::GetDC, 0}, {true, host::Call::Lock, 0},
                          {true, std::nullopt, 1}, {false, std::nullopt, 0}}) {
        SCOPED_TRACE(c.is565);
        headless::SetLayout565(c.screen565);
        if (c.refused) headless::FailCall(*c.refused);
        ASSERT_EQ(InitDisplay(), 1);
        EXPECT_NE(TheDisplay.backBuffer, nullptr);
        EXPECT_EQ(TheDisplay.flipMode, 1);
        EXPECT_EQ(TheDisplay.greenMax, c.is565 ? 63 : 31);
        if (!c.refused) {
            EXPECT_EQ(TheDisplay.primary->Pixels()[0], 0) << "the probe pixel is left black";
        }
        EXPECT_EQ(ReleaseDisplay(), 1);
        EXPECT_EQ(TheDisplay.primary, nullptr);
        EXPECT_EQ(TheDisplay.backBuffer, nullptr);
        EXPECT_EQ(TheDisplay.is565, c.is565);
    }
}
