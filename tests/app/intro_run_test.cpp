// The intro as the player sees it, frame by frame, on a background and logo of the test's
// own: seven dimming frames with the logo added afresh each time, then the panel and the
// status line from the first tick on. Both pixel layouts.
#include <gtest/gtest.h>

#include "game_folder.h"
#include "gfx/display.h"
#include "gfx/surface.h"
#include "imgfile/pcx_writer.h"
#include "imgfile/qsf_writer.h"
#include "platform/headless/headless.h"
#include "texts/texts.h"

class IntroRun : public ::testing::TestWithParam<bool> {};

// Four levels lost a channel in each frame (31 ends at 3, a green of 63 at 35), a patch of 3
// gone at once, and the logo (channels 1, green 2 in 5-6-5) added afresh rather than piling up.
TEST_P(IntroRun, DimmingFramesThenThePanelFromTheFirstTickOn)
{
    const bool is565 = GetParam();
    const int greenMax = is565 ? 63 : 31;
    const auto pixel = [&](int red, int green, int blue) {
        return static_cast<std::uint16_t>(red << (is565 ? 11 : 10) | green << 5 | blue);
    };
    const GameFolder folder;
    RgbImage background = GreyPicture(640, 480, 255);
    for (int n = 0; n < 40 * 40; ++n) {  // at 100,300
        std::uint8_t* const patch = &background.rgb[3 * ((300 + n / 40) * 640 + 100 + n % 40)];
        patch[0] = patch[2] = 24;
        patch[1] = is565 ? 12 : 24;  // 8-bit 24 truncates to 3
    }
    ASSERT_TRUE(WritePcx(folder.PathOf("BACK1.Qsf"), background));
    ASSERT_TRUE(WriteQsfPack(folder.PathOf("Logo.QSF"), {GreyPicture(8, 4, 8)}, 1));
    const std::string frames = folder.PathOf("frames");
    ASSERT_EQ(folder.Run({"--layout", is565 ? "565" : "555", "--frames", frames}, "8 close\n").status, 0);

    for (int frame = 1; frame <= 7; ++frame) {
        SCOPED_TRACE(frame);
        const std::vector<std::uint16_t> pixels = ReadPngAs16(FramePath(frames, frame), is565);
        ASSERT_EQ(pixels.size(), 640u * 480u);
        const int loss = 4 * frame;
        EXPECT_EQ(pixels[479 * 640 + 600], pixel(31 - loss, greenMax - loss, 31 - loss));
        EXPECT_EQ(pixels[305 * 640 + 105], 0);
        EXPECT_EQ(pixels[1 * 640 + 372], pixel(32 - loss, greenMax - loss + (is565 ? 2 : 1), 32 - loss));
    }

    // White on the dimmed picture, exactly as the canvas draws the lines; the panel's area was
    // plain picture in the last frame of the intro.
    headless::SetLayout565(is565);
    InitDisplay();
    const std::uint16_t dimmed = pixel(3, greenMax - 28, 3);
    Canvas expected(640, 480);
    expected.Fill(dimmed);
    expected.SetTextBkMode(1);
    expected.SetTextRGB(255, 255, 255);
    const std::pair<std::int16_t, const char*> lines[] = {
        {150, text::PanelGreeting}, {180, text::PanelNote1},  {200, text::PanelNote2},  {220, text::PanelNote3},
        {240, text::PanelNote4},    {270, text::PanelVerse1}, {290, text::PanelVerse2}, {310, text::PanelVerse3},
        {330, text::PanelVerse4},   {350, text::PanelVerse5}, {370, text::PanelVerse6}, {390, text::PanelVerse7},
        {420, text::PanelAside}};
    for (const auto& [y, line] : lines) expected.Printf(382, y, "%s", line);
    expected.Printf(0, 0, text::StatusLine, 5, 0, 20, 1);
    const std::vector<std::uint16_t> lastIntro = ReadPngAs16(FramePath(frames, 7), is565);
    const std::vector<std::uint16_t> firstTick = ReadPngAs16(FramePath(frames, 8), is565);
    // The status line left of the logo; the panel right of the well's shadow and below the
    // preview, its greeting's line beside the preview.
    for (int y = 0; y < 440; ++y) {
        const bool status = y < 16;
        if (!status && y < 150) continue;
        for (int x = status ? 0 : y < 170 ? 520 : 384; x < (status ? 370 : 640); ++x) {
            const std::size_t at = static_cast<std::size_t>(y * 640 + x);
            if (!status) {
                ASSERT_EQ(lastIntro[at], dimmed) << x << "," << y << ": shown in the intro";
            }
            ASSERT_EQ(firstTick[at], expected.GetPixel(static_cast<std::int16_t>(x), static_cast<std::int16_t>(y)))
                << x << "," << y;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(BothLayouts, IntroRun, ::testing::Bool());
