// The headless backend's own controls: frames and their CRC, and the echo. Its
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

// Quotes and backslashes are escaped in the echoed line (line feeds, UTF-8 and every field
// are pinned by the whole-program runs, which read these lines).
TEST(Headless, EchoEscapesQuotesAndBackslashes)
{
    headless::SetEcho(true);
    ::testing::internal::CaptureStdout();
    MessageBoxA(nullptr, "\"one\" back\\slash", "Blokfal", MB_ICONHAND);
    EXPECT_EQ(::testing::internal::GetCapturedStdout(),
              "box \"Blokfal\" \"\\\"one\\\" back\\\\slash\" 16\n");
}
