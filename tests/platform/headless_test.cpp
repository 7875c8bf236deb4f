// The headless backend's own controls: frames and their CRC, records and their echo, the
// virtual clocks and counted failures.
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

TEST(Headless, PresentsAreCountedKeptAndHooked)
{
    EXPECT_TRUE(headless::LastFrame().empty());
    std::vector<int> numbers;
    std::vector<std::uint16_t> seen;
    headless::OnPresent([&](int number, const std::uint16_t* pixels) {
        numbers.push_back(number);
        seen.push_back(pixels[640 * 480 - 1]);
    });
    std::vector<std::uint16_t> frame(640 * 480, 9);
    host::PresentFrame(frame.data());
    frame.back() = 4;
    host::PresentFrame(frame.data());
    frame.back() = 1;  // the kept frame is a copy
    EXPECT_EQ(headless::PresentCount(), 2);
    EXPECT_EQ(numbers, (std::vector<int>{1, 2}));
    EXPECT_EQ(seen, (std::vector<std::uint16_t>{9, 4}));
    EXPECT_EQ(headless::LastFrame().back(), 4);
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

TEST(Headless, FailuresAreCountedPerKindOfCall)
{
    headless::FailCall(host::Call::Lock, 2);
    headless::FailCall(host::Call::Lock, 4);
    headless::FailCall(host::Call::GetDC);
    std::vector<bool> locks;
    for (int i = 0; i < 5; ++i) locks.push_back(host::CallFails(host::Call::Lock));
    EXPECT_EQ(locks, (std::vector<bool>{false, true, false, true, false}));
    EXPECT_TRUE(host::CallFails(host::Call::GetDC));
    EXPECT_FALSE(host::CallFails(host::Call::GetDC));
    EXPECT_FALSE(host::CallFails(host::Call::CreateSurface));
}
