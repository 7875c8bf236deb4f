// The display's drawing of one frame on SDL's dummy driver, read back from the window: through
// a renderer's texture (SDL's software renderer standing in for GL), and by our own drawing
// into the window's surface.
#include <gtest/gtest.h>

#include <SDL.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "platform/sdl/frame_drawing.h"
#include "platform/sdl/frame_mailbox.h"
#include "platform/sdl/surface_display.h"

namespace {

using namespace sdlhost;

constexpr int kWidth = 1440;
constexpr int kHeight = 960;

class FrameDrawing : public testing::Test {
protected:
    void SetUp() override
    {
        SDL_SetHint(SDL_HINT_VIDEODRIVER, "dummy");
        SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
        window_ = SDL_CreateWindow("frame", 0, 0, kWidth, kHeight, 0);
        ASSERT_NE(window_, nullptr) << SDL_GetError();
        for (std::size_t i = 0; i < frame_.size(); ++i)  // every pixel unlike its neighbours
            frame_[i] = static_cast<std::uint16_t>(i * 40503u);
    }
    void TearDown() override
    {
        if (window_ != nullptr) SDL_DestroyWindow(window_);
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }

    static bool Near(std::uint32_t a, std::uint32_t b, int tolerance)
    {
        for (int shift : {0, 8, 16}) {
            const int difference = static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF);
            if (difference > tolerance || difference < -tolerance) return false;
        }
        return true;
    }

    // In a 1440x960 window the picture is twice its size, 1280 wide between two black bars
    // of 80 columns: every picture pixel is a 2x2 block of its widened colour, give or take
    // `tolerance` in each channel.
    static int WrongPixels(const std::uint8_t* pixels, int pitch, const std::vector<std::uint16_t>& frame,
                           int tolerance = 0)
    {
        int wrong = 0;
        for (int y = 0; y < kHeight; ++y) {
            const auto* row = reinterpret_cast<const std::uint32_t*>(pixels + y * pitch);
            for (int x = 0; x < kWidth; ++x) {
                const bool bar = x < 80 || x >= 1360;
                const std::uint32_t want = bar ? 0 : Xrgb8888From565(frame[(y / 2) * kFrameWidth + (x - 80) / 2]);
                wrong += Near(row[x], want, tolerance) ? 0 : 1;
            }
        }
        return wrong;
    }

    SDL_Window* window_ = nullptr;
    std::vector<std::uint16_t> frame_ = std::vector<std::uint16_t>(kFramePixels);
};

TEST_F(FrameDrawing, ThroughARendererEachPixelIsATwoByTwoBlockBetweenBlackBars)
{
    SDL_Renderer* renderer = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
    ASSERT_NE(renderer, nullptr) << SDL_GetError();
    const FrameTexture texture = MakeFrameTexture(renderer);
    ASSERT_NE(texture.texture, nullptr) << SDL_GetError();

    DrawFrame(renderer, texture, frame_.data());
    std::vector<std::uint32_t> output(kWidth * kHeight);
    ASSERT_EQ(SDL_RenderReadPixels(renderer, nullptr, SDL_PIXELFORMAT_RGB888, output.data(), kWidth * 4), 0);
    // A 5-6-5 texture is widened by the renderer itself, as by a GPU: it may round otherwise.
    const int tolerance = texture.layout == TextureLayout::Rgb565 ? 1 : 0;
    EXPECT_EQ(WrongPixels(reinterpret_cast<const std::uint8_t*>(output.data()), kWidth * 4, frame_, tolerance), 0);

    SDL_DestroyTexture(texture.texture);
    SDL_DestroyRenderer(renderer);
}

// Our own drawing keeps the window's picture between frames and redraws only the rows that
// changed: a scribble over an unchanged row stays until the window asks for a whole repaint.
TEST_F(FrameDrawing, IntoTheSurfaceOnlyChangedRowsAreDrawnUntilAWholeRepaintIsAsked)
{
    SurfaceDisplay display;
    SDL_Surface* surface = SDL_GetWindowSurface(window_);
    ASSERT_NE(surface, nullptr) << SDL_GetError();
    const auto* pixels = static_cast<const std::uint8_t*>(surface->pixels);
    display.Draw(window_, frame_.data());
    EXPECT_EQ(WrongPixels(pixels, surface->pitch, frame_), 0);

    const SDL_Rect scribble{0, 0, kWidth, 2};  // over picture row 0 and the bars beside it
    SDL_FillRect(surface, &scribble, 0x123456);
    for (int x = 0; x < kFrameWidth; ++x) frame_[300 * kFrameWidth + x] ^= 0x0F0F;
    display.Draw(window_, frame_.data());
    EXPECT_EQ(WrongPixels(pixels, surface->pitch, frame_), 2 * kWidth) << "only the scribbled rows differ";

    display.RepaintAll();
    display.Draw(window_, frame_.data());
    EXPECT_EQ(WrongPixels(pixels, surface->pitch, frame_), 0);
}

// At a size that is no whole multiple, rows drawn one change at a time make the same picture
// as the frame drawn whole.
TEST_F(FrameDrawing, IntoTheSurfaceChangedRowsAtAnUnevenScaleMatchAWholeDrawing)
{
    SDL_SetWindowSize(window_, 1001, 777);
    std::vector<std::uint16_t> later = frame_;
    for (int y : {0, 1, 2, 177, 178, 479})
        for (int x = 0; x < kFrameWidth; x += 3) later[y * kFrameWidth + x] = static_cast<std::uint16_t>(~x);

    SurfaceDisplay stepwise;
    stepwise.Draw(window_, frame_.data());
    stepwise.Draw(window_, later.data());
    SDL_Surface* surface = SDL_GetWindowSurface(window_);
    ASSERT_NE(surface, nullptr) << SDL_GetError();
    ASSERT_EQ(surface->w, 1001);
    const std::size_t bytes = static_cast<std::size_t>(surface->pitch) * surface->h;
    const std::vector<std::uint8_t> drawnStepwise(static_cast<std::uint8_t*>(surface->pixels),
                                                  static_cast<std::uint8_t*>(surface->pixels) + bytes);
    SDL_FillRect(surface, nullptr, 0x777777);
    SurfaceDisplay whole;
    whole.Draw(window_, later.data());
    EXPECT_EQ(std::memcmp(drawnStepwise.data(), surface->pixels, bytes), 0);
}

}  // namespace
