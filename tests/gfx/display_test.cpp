#include "gfx/display.h"

#include <gtest/gtest.h>

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

void ExpectStartMaxima()
{
    EXPECT_EQ(TheDisplay.is565, 0);
    EXPECT_EQ(TheDisplay.redMax, 31);
    EXPECT_EQ(TheDisplay.greenMax, 63);
    EXPECT_EQ(TheDisplay.blueMax, 31);
}

class DisplayFailure : public ::testing::TestWithParam<int> {};

// A failing step shows its own message, stops there, and leaves exactly the objects of the
// steps before it; the step after it never ran, so its injected failure is still waiting
// and shows on the next start.
TEST_P(DisplayFailure, ShowsItsMessageAndKeepsWhatWasMade)
{
    const int step = GetParam();
    headless::FailCall(kSteps[step].call);
    if (step + 1 < 5) headless::FailCall(kSteps[step + 1].call);

    EXPECT_EQ(InitDisplay(), 0);
    ASSERT_EQ(headless::MessageBoxes().size(), 1u);
    EXPECT_EQ(headless::MessageBoxes()[0].text, kSteps[step].message);
    EXPECT_EQ(headless::MessageBoxes()[0].caption, "QDDraw");
    EXPECT_EQ(headless::MessageBoxes()[0].style, MB_OK);

    EXPECT_EQ(TheDisplay.directDraw != nullptr, step >= 1);
    EXPECT_EQ(TheDisplay.primary != nullptr, step >= 4);
    EXPECT_EQ(TheDisplay.backBuffer, nullptr);
    EXPECT_EQ(TheDisplay.flipMode, 0);
    ExpectStartMaxima();

    EXPECT_EQ(ReleaseDisplay(), 1);
    EXPECT_EQ(TheDisplay.directDraw, nullptr);
    EXPECT_EQ(TheDisplay.primary, nullptr);

    if (step + 1 < 5) {
        EXPECT_EQ(InitDisplay(), 0);
        ASSERT_EQ(headless::MessageBoxes().size(), 2u);
        EXPECT_EQ(headless::MessageBoxes()[1].text, kSteps[step + 1].message);
        ReleaseDisplay();
    }
}

INSTANTIATE_TEST_SUITE_P(Steps, DisplayFailure, ::testing::Range(0, 5));

TEST(Display, ComesUpWithTheFlipChainInEitherLayout)
{
    for (const bool is565 : {true, false}) {
        headless::SetLayout565(is565);
        ASSERT_EQ(InitDisplay(), 1);
        EXPECT_NE(TheDisplay.backBuffer, nullptr);
        EXPECT_EQ(TheDisplay.flipMode, 1);
        EXPECT_EQ(TheDisplay.is565, is565 ? 1 : 0);
        EXPECT_EQ(TheDisplay.greenMax, is565 ? 63 : 31);
        EXPECT_EQ(TheDisplay.primary->Pixels()[0], 0) << "the probe pixel is left black";
        EXPECT_TRUE(headless::MessageBoxes().empty());

        // Release keeps what the probe found.
        EXPECT_EQ(ReleaseDisplay(), 1);
        EXPECT_EQ(TheDisplay.primary, nullptr);
        EXPECT_EQ(TheDisplay.backBuffer, nullptr);
        EXPECT_EQ(TheDisplay.is565, is565 ? 1 : 0);
    }
}

TEST(Display, ReleaseOfAnAbsentDisplayDoesNothing)
{
    EXPECT_EQ(ReleaseDisplay(), 1);
    EXPECT_EQ(ReleaseDisplay(), 1);
    EXPECT_EQ(TheDisplay.directDraw, nullptr);
    ExpectStartMaxima();
    EXPECT_EQ(TheDisplay.flipMode, 0);
}

// A probe that can neither draw nor read takes 5-5-5 even on a 5-6-5 screen, and the display
// still comes up.
TEST(Display, ProbeWithoutDeviceContextOrLockTakes555)
{
    for (const host::Call refused : {host::Call::GetDC, host::Call::Lock}) {
        headless::SetLayout565(true);
        headless::FailCall(refused);
        ASSERT_EQ(InitDisplay(), 1);
        EXPECT_EQ(TheDisplay.is565, 0);
        EXPECT_EQ(TheDisplay.greenMax, 31);
        EXPECT_EQ(TheDisplay.flipMode, 1);
        ReleaseDisplay();
    }
}

}  // namespace
