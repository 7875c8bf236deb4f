// The headless backend's own controls: frames and their CRC, records and their echo, and the
// virtual clocks.
#include "platform/headless/headless.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/clock.h"
#include "platform/mmtimer.h"
#include "platform/win32.h"

TEST(Headless, FrameCrc32OfKnownFrames)
{
    std::vector<std::uint16_t> frame(640 * 480, 0);
    EXPECT_EQ(headless::FrameCrc32(frame.data()), 0xC656B350u);
    for (std::size_t i = 0; i < frame.size(); ++i) frame[i] = static_cast<std::uint16_t>(i * 7);
    EXPECT_EQ(headless::FrameCrc32(frame.data()), 0xBF92300Bu);  // words little-endian
}

TEST(Headless, EchoWritesBoxesAndSoundsOneLineEach)
{
    headless::SetEcho(true);
    ::testing::internal::CaptureStdout();
    MessageBoxA(nullptr, "line \"one\"\nback\\slash \xC7\xD1", "Blokfal", MB_ICONHAND);
    host::RecordSoundCall("FSOUND_PlaySound -1 Flame.Wav");
    const std::string out = ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(out,
              "box \"Blokfal\" \"line \\\"one\\\"\\nback\\\\slash \xED\x95\x9C\" 16\n"
              "sound FSOUND_PlaySound -1 Flame.Wav\n");
    ASSERT_EQ(headless::MessageBoxes().size(), 1u);
    EXPECT_EQ(headless::MessageBoxes()[0].text, "line \"one\"\nback\\slash \xED\x95\x9C");

    headless::SetEcho(false);
    ::testing::internal::CaptureStdout();
    MessageBoxA(nullptr, "quiet", "QDDraw", MB_OK);
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(headless::MessageBoxes().size(), 2u);
}

TEST(Headless, TheClockStepsOneMillisecondPerReadingAndWraps)
{
    EXPECT_EQ(timeGetTime(), 0u);
    EXPECT_EQ(timeGetTime(), 1u);
    EXPECT_EQ(headless::ClockNow(), 2u);
    headless::SetClock(0xFFFFFFFEu);
    EXPECT_EQ(timeGetTime(), 0xFFFFFFFEu);
    EXPECT_EQ(timeGetTime(), 0xFFFFFFFFu);
    EXPECT_EQ(timeGetTime(), 0u);
    EXPECT_EQ(WallClockSeconds(), 0);
    headless::SetWallClock(951000000);
    EXPECT_EQ(WallClockSeconds(), 951000000);
}

