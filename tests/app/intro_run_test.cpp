// The intro as the player sees it, frame by frame, on a background and logo of the test's
// own: seven dimming frames, the logo added afresh each time, the panel and the status line
// showing from the first tick on. Both pixel layouts.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "game_folder.h"
#include "gfx/display.h"
#include "gfx/surface.h"
#include "imgfile/pcx_writer.h"
#include "platform/headless/headless.h"
#include "texts/texts.h"

namespace {

constexpr int kWidth = 640;

// A patch of the background whose channels are all 3 (8-bit 24 truncates to 3).
constexpr int kPatchLeft = 100, kPatchTop = 300, kPatchSize = 40;
constexpr int kLogoX = 370;

class IntroRun : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override
    {
        RgbImage background = SolidPicture(640, 480, 255, 255, 255);
        for (int y = kPatchTop; y < kPatchTop + kPatchSize; ++y) {
            for (int x = kPatchLeft; x < kPatchLeft + kPatchSize; ++x) {
                const std::uint8_t patch[] = {24, static_cast<std::uint8_t>(Is565() ? 12 : 24), 24};
                std::copy_n(patch, 3, background.rgb.begin() + 3 * (y * kWidth + x));
            }
        }
        std::string error;
        ASSERT_TRUE(WritePcx(folder_.PathOf("BACK1.Qsf"), background, &error)) << error;
        // The logo as one small tile of channels 1 (green 2 in 5-6-5), stored in 5-6-5.
        folder_.WritePack("Logo.QSF", {SolidPicture(8, 4, 8, 8, 8)}, 1);
        const std::vector<std::string> args = {"--layout", Is565() ? "565" : "555", "--frames",
                                               folder_.PathOf("frames")};
        ASSERT_EQ(folder_.Run(args, "8 close\n").status, 0);
    }

    bool Is565() const { return GetParam(); }
    int GreenMax() const { return Is565() ? 63 : 31; }

    std::uint16_t Pixel(int red, int green, int blue) const
    {
        return static_cast<std::uint16_t>(Is565() ? red << 11 | green << 5 | blue
                                                  : red << 10 | green << 5 | blue);
    }

    std::vector<std::uint16_t> Frame(int number) const
    {
        return ReadFrame(FramePath(folder_.PathOf("frames"), number), Is565());
    }

    GameFolder folder_;
};

}  // namespace

// Four levels lost a channel in each frame (31 ends at 3, a green of 63 at 35), 3 gone at
// once, and the logo added afresh rather than piling up.
TEST_P(IntroRun, SevenFramesDimTheBackgroundUnderTheLogo)
{
    const int logoGreen = Is565() ? 2 : 1;
    for (int frame = 1; frame <= 7; ++frame) {
        SCOPED_TRACE(frame);
        const std::vector<std::uint16_t> pixels = Frame(frame);
        ASSERT_EQ(pixels.size(), 640u * 480u);
        const int loss = 4 * frame;
        EXPECT_EQ(pixels[479 * kWidth + 600], Pixel(31 - loss, GreenMax() - loss, 31 - loss));
        EXPECT_EQ(pixels[(kPatchTop + 5) * kWidth + kPatchLeft + 5], 0);
        EXPECT_EQ(pixels[1 * kWidth + kLogoX + 2],
                  Pixel(31 - loss + 1, GreenMax() - loss + logoGreen, 31 - loss + 1));
    }
}

// The panel and the status line show from the first tick on, white on the dimmed picture,
// exactly as the canvas draws them; the panel's area was plain picture during the intro.
// Each panel line fits the panel, and prints as it stands.
TEST_P(IntroRun, ThePanelAndTheStatusLineShowFromTheFirstTickOn)
{
    headless::SetLayout565(Is565());
    InitDisplay();
    const std::uint16_t dimmed = Pixel(3, GreenMax() - 28, 3);
    Canvas expected(640, 480);
    expected.Fill(dimmed);
    expected.SetTextBkMode(1);
    expected.SetTextRGB(255, 255, 255);
    const std::int16_t heights[] = {150, 180, 200, 220, 240, 270, 290,
                                    310, 330, 350, 370, 390, 420};
    const char* lines[] = {text::PanelGreeting, text::PanelNote1,  text::PanelNote2,
                           text::PanelNote3,    text::PanelNote4,  text::PanelVerse1,
                           text::PanelVerse2,   text::PanelVerse3, text::PanelVerse4,
                           text::PanelVerse5,   text::PanelVerse6, text::PanelVerse7,
                           text::PanelAside};
    for (int i = 0; i < 13; ++i) {
        EXPECT_LE(std::strlen(lines[i]), 32u) << lines[i] << " runs past the screen's right edge";
        EXPECT_EQ(std::strchr(lines[i], '%'), nullptr) << lines[i] << " reads as a conversion";
        expected.Printf(382, heights[i], "%s", lines[i]);
    }
    expected.Printf(0, 0, text::StatusLine, 5, 0, 20, 1);

    const std::vector<std::uint16_t> lastIntro = Frame(7);
    const std::vector<std::uint16_t> firstTick = Frame(8);
    int panelStrokes = 0, statusStrokes = 0;
    for (int y = 0; y < 440; ++y) {
        // The status line left of the logo; right of the well's shadow and below the preview,
        // the panel, its greeting's line beside the preview.
        const bool status = y < 16;
        if (!status && y < 150) continue;
        for (int x = status ? 0 : y < 170 ? 520 : 384; x < (status ? kLogoX : 640); ++x) {
            const std::size_t at = static_cast<std::size_t>(y * kWidth + x);
            if (!status) {
                ASSERT_EQ(lastIntro[at], dimmed) << x << "," << y << ": shown in the intro";
            }
            const auto expectedPixel =
                expected.GetPixel(static_cast<std::int16_t>(x), static_cast<std::int16_t>(y));
            ASSERT_EQ(firstTick[at], expectedPixel) << x << "," << y;
            if (firstTick[at] == Pixel(31, GreenMax(), 31)) ++(status ? statusStrokes
                                                                       : panelStrokes);
        }
    }
    EXPECT_GT(panelStrokes, 2000) << "white strokes of thirteen lines";
    EXPECT_GT(statusStrokes, 300);
}

INSTANTIATE_TEST_SUITE_P(BothLayouts, IntroRun, ::testing::Bool());
