#include "gfx/display.h"

#include <gtest/gtest.h>

#include <optional>

#include "platform/headless/headless.h"

namespace {

struct FailingStep {
    host::Call call;
    const char* message;  // UTF-8, as the box shows it
};

// The five steps that can fail, in the order they run.
const FailingStep kSteps[] = {
    {host::Call::DirectDrawCreate, "다이렉트드로우 생성 에러."},
    {host::Call::SetCooperativeLevel, "협력 에러."},
    {host::Call::SetDisplayMode, "디스플레이 모드 에러."},
    {host::Call::CreateSurface, "프라이머리 서피스 생성 에러."},
    {host::Call::GetAttachedSurface, "백 서피스 생성 에러."},
};

class DisplayFailure : public ::testing::TestWithParam<int> {};

// A failing step shows its own message and stops there: the step after it, set to fail too,
// never runs. The display keeps exactly the objects of the steps before it, with the layout
// as it starts. Release, of the partial display and then of none, succeeds.
TEST_P(DisplayFailure, ShowsItsMessageAndKeepsWhatWasMade)
{
    const int step = GetParam();
    headless::FailCall(kSteps[step].call);
    if (step + 1 < 5) headless::FailCall(kSteps[step + 1].call);

    EXPECT_EQ(InitDisplay(), 0);
    ASSERT_EQ(headless::MessageBoxes().size(), 1u);
    EXPECT_EQ(headless::MessageBoxes()[0].text, kSteps[step].message);
    EXPECT_EQ(TheDisplay.directDraw != nullptr, step >= 1);
    EXPECT_EQ(TheDisplay.primary != nullptr, step >= 4);
    EXPECT_EQ(TheDisplay.backBuffer, nullptr);
    EXPECT_EQ(TheDisplay.flipMode, 0);
    EXPECT_EQ(TheDisplay.is565, 0);
    EXPECT_EQ(TheDisplay.greenMax, 63);

    EXPECT_EQ(ReleaseDisplay(), 1);
    EXPECT_EQ(TheDisplay.directDraw, nullptr);
    EXPECT_EQ(TheDisplay.primary, nullptr);
    EXPECT_EQ(ReleaseDisplay(), 1);
}

INSTANTIATE_TEST_SUITE_P(Steps, DisplayFailure, ::testing::Range(0, 5));

// The probe finds 5-6-5 only when it can draw white and read it back; the display comes up
// with its flip chain either way, and release keeps what the probe found.
TEST(Display, ComesUpWithTheLayoutTheProbeFinds)
{
    struct Case {
        bool screen565;
        std::optional<host::Call> refused;  // the probe's call the platform refuses
        int is565;
    };
    // The refusals first, while each is the first call of its kind.
    const Case cases[] = {{true, host::Call::GetDC, 0},
                          {true, host::Call::Lock, 0},
                          {true, std::nullopt, 1},
                          {false, std::nullopt, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << &c - cases);
        headless::SetLayout565(c.screen565);
        if (c.refused) headless::FailCall(*c.refused);
        ASSERT_EQ(InitDisplay(), 1);
        EXPECT_NE(TheDisplay.backBuffer, nullptr);
        EXPECT_EQ(TheDisplay.flipMode, 1);
        EXPECT_EQ(TheDisplay.is565, c.is565);
        EXPECT_EQ(TheDisplay.greenMax, c.is565 ? 63 : 31);
        if (!c.refused) {
            EXPECT_EQ(TheDisplay.primary->Pixels()[0], 0) << "the probe pixel is left black";
        }
        EXPECT_TRUE(headless::MessageBoxes().empty());

        EXPECT_EQ(ReleaseDisplay(), 1);
        EXPECT_EQ(TheDisplay.primary, nullptr);
        EXPECT_EQ(TheDisplay.backBuffer, nullptr);
        EXPECT_EQ(TheDisplay.is565, c.is565);
    }
}

}  // namespace
