// The headless backend's own controls: frames and their CRC, records and their echo. Its
// clocks are read by the game's timed waits, whose tests step them across the wrap.
#include "platform/headless/headless.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/win32.h"

TEST(Headless, FrameCrc32OfKnownFrames)
{
    std::vector<std::uint16_t> frame(640 * 480, 0);
    EXPECT_EQ(headless::FrameCrc32(frame.data()), 0xC656B350u);
    for (std::size_t i = 0; i < frame.size(); ++i) frame[i] = static_cast<std::uint16_t>(i * 7);
    EXPECT_EQ(headless::FrameCrc32(frame.data()), 0xBF92300Bu);  // words little-endian
}

// One line each, quotes, line feeds and backslashes escaped, the text in UTF-8; recorded
// also when not echoed.
TEST(Headless, EchoWritesBoxesAndSoundsOneLineEach)
{
    headless::SetEcho(true);
    ::testing::internal::CaptureStdout();
    MessageBoxA(nullptr, "line \"one\"\nback\\slash \xC7\xD1", "Blokfal", MB_ICONHAND);
    host::RecordSoundCall("FSOUND_PlaySound -1 Flame.Wav");
    EXPECT_EQ(::testing::internal::GetCapturedStdout(),
              "box \"Blokfal\" \"line \\\"one\\\"\\nback\\\\slash \xED\x95\x9C\" 16\n"
              "sound FSOUND_PlaySound -1 Flame.Wav\n");

    headless::SetEcho(false);
    ::testing::internal::CaptureStdout();
    MessageBoxA(nullptr, "quiet", "QDDraw", MB_OK);
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(headless::MessageBoxes().size(), 2u);
}
