// The display's drawing of one frame, on SDL's dummy driver with the software
// renderer, read back from the window.
#include <gtest/gtest.h>

#include <SDL.h>

#include <cstdint>
#include <vector>

#include "platform/sdl/frame_drawing.h"
#include "platform/sdl/frame_mailbox.h"

namespace {

using namespace sdlhost;

// In a 1440x960 window the picture is twice its size, 1280 wide between two black bars of
// 80 columns: every picture pixel is a 2x2 block of its widened colour.
TEST(FrameDrawing, EachPixelIsATwoByTwoBlockBetweenBlackBars)
{
    SDL_SetHint(SDL_HINT_VIDEODRIVER, "dummy");
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
    SDL_Window* window = SDL_CreateWindow("frame", 0, 0, 1440, 960, 0);
    ASSERT_NE(window, nullptr) << SDL_GetError();
    SDL_Renderer* renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
    ASSERT_NE(renderer, nullptr) << SDL_GetError();
    FrameTexture texture = MakeFrameTexture(renderer, window);
    ASSERT_NE(texture.texture, nullptr) << SDL_GetError();

    std::vector<std::uint16_t> frame(kFramePixels);  // every pixel unlike its neighbours
    for (std::size_t i = 0; i < frame.size(); ++i)
        frame[i] = static_cast<std::uint16_t>(i * 40503u);
    DrawFrame(renderer, texture, frame.data());
    std::vector<std::uint32_t> output(1440 * 960);
    ASSERT_EQ(
        SDL_RenderReadPixels(renderer, nullptr, SDL_PIXELFORMAT_RGB888, output.data(), 1440 * 4),
        0);
    int wrong = 0;
    for (int y = 0; y < 960; ++y) {
        for (int x = 0; x < 1440; ++x) {
            const bool bar = x < 80 || x >= 1360;
            const std::uint32_t want =
                bar ? 0 : Xrgb8888From565(frame[(y / 2) * kFrameWidth + (x - 80) / 2]);
            wrong += (output[y * 1440 + x] & 0xFFFFFF) != want ? 1 : 0;
        }
    }
    EXPECT_EQ(wrong, 0);

    SDL_DestroyTexture(texture.texture);
    SDL_DestroyRenderer(renderer);
    SDL_DestroyWindow(window);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

}  // namespace
