// The render thread's drawing of one frame, on SDL's dummy driver with the software
// renderer, read back from the window: every picture pixel lands where the fit puts it, in
// its widened colour, with black bars beside it.
#include <gtest/gtest.h>

#include <SDL.h>

#include <cstdint>
#include <vector>

#include "platform/sdl/frame_drawing.h"
#include "platform/sdl/frame_mailbox.h"

namespace {

using namespace sdlhost;

class FrameDrawing : public ::testing::Test {
protected:
    void SetUp() override
    {
        SDL_SetHint(SDL_HINT_VIDEODRIVER, "dummy");
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
    }
    void TearDown() override
    {
        if (texture_.texture != nullptr) SDL_DestroyTexture(texture_.texture);
        if (renderer_ != nullptr) SDL_DestroyRenderer(renderer_);
        if (window_ != nullptr) SDL_DestroyWindow(window_);
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }

    // Draws the frame into a window of this size and reads the whole output back as XRGB8888.
    std::vector<std::uint32_t> DrawAndRead(int width, int height, const std::vector<std::uint16_t>& frame)
    {
        window_ = SDL_CreateWindow("frame", 0, 0, width, height, 0);
        EXPECT_NE(window_, nullptr) << SDL_GetError();
        if (window_ == nullptr) return {};
        renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
        EXPECT_NE(renderer_, nullptr) << SDL_GetError();
        if (renderer_ == nullptr) return {};
        texture_ = MakeFrameTexture(renderer_, window_);
        EXPECT_NE(texture_.texture, nullptr) << SDL_GetError();
        if (texture_.texture == nullptr) return {};
        DrawFrame(renderer_, texture_, frame.data());
        std::vector<std::uint32_t> output(static_cast<std::size_t>(width) * height);
        EXPECT_EQ(SDL_RenderReadPixels(renderer_, nullptr, SDL_PIXELFORMAT_RGB888, output.data(), width * 4), 0)
            << SDL_GetError();
        return output;
    }

    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    FrameTexture texture_;
};

// Every pixel different from its neighbours, all channels in use.
std::vector<std::uint16_t> PatternFrame()
{
    std::vector<std::uint16_t> frame(kFramePixels);
    for (std::size_t i = 0; i < frame.size(); ++i) frame[i] = static_cast<std::uint16_t>(i * 40503u);
    return frame;
}

std::uint32_t Rgb(std::uint32_t pixel)
{
    return pixel & 0xFFFFFF;
}

TEST_F(FrameDrawing, TwiceTheSizeShowsEachPixelAsATwoByTwoBlock)
{
    const std::vector<std::uint16_t> frame = PatternFrame();
    const std::vector<std::uint32_t> output = DrawAndRead(1280, 960, frame);
    ASSERT_EQ(output.size(), 1280u * 960u);
    int wrong = 0;
    for (int y = 0; y < 960; ++y)
        for (int x = 0; x < 1280; ++x)
            wrong += Rgb(output[y * 1280 + x]) != Xrgb8888From565(frame[(y / 2) * kFrameWidth + x / 2]) ? 1 : 0;
    EXPECT_EQ(wrong, 0);
}

TEST_F(FrameDrawing, AWideOutputKeepsTheAspectBetweenBlackBars)
{
    std::vector<std::uint16_t> frame(kFramePixels, 0xFFFF);
    frame[0] = 0xF800;                  // red top-left
    frame[kFramePixels - 1] = 0x001F;  // blue bottom-right
    const std::vector<std::uint32_t> output = DrawAndRead(1280, 720, frame);
    ASSERT_EQ(output.size(), 1280u * 720u);
    // 720 / 480 = 1.5: the picture is 960 wide, 160 columns of black on either side.
    for (int y : {0, 359, 719}) {
        EXPECT_EQ(Rgb(output[y * 1280 + 159]), 0u) << y;
        EXPECT_EQ(Rgb(output[y * 1280 + 1120]), 0u) << y;
        EXPECT_EQ(Rgb(output[y * 1280 + 640]), 0xFFFFFFu) << y;
    }
    EXPECT_EQ(Rgb(output[160]), 0xFF0000u);
    EXPECT_EQ(Rgb(output[719 * 1280 + 1119]), 0x0000FFu);
}

}  // namespace
