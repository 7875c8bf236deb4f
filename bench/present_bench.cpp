// The real backend's present: the call on the game's thread, which only hands the frame to
// the display, and the display's own work for one frame on the main thread, in a 1280x960
// window: with each renderer SDL offers (texture update, scaled copy, present), and by our own
// drawing into the window's surface, whole or only the rows that changed. Runs on whatever video
// driver SDL_VIDEODRIVER names: offscreen for a machine without a display, x11 under Xvfb.
#include <SDL.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "bench_checks.h"
#include "platform/host.h"
#include "platform/sdl/frame_drawing.h"
#include "platform/sdl/frame_mailbox.h"
#include "platform/sdl/surface_display.h"

namespace bench {

namespace {

constexpr int kWindowWidth = 1280;
constexpr int kWindowHeight = 960;

std::vector<std::uint16_t> RandomFrame()
{
    std::mt19937 random(7);
    std::vector<std::uint16_t> frame(sdlhost::kFramePixels);
    for (std::uint16_t& pixel : frame) pixel = static_cast<std::uint16_t>(random());
    return frame;
}

bool VideoUp()
{
    static const bool up = host::OpenVideo();
    return up;
}

// The game's display as the game brings it up (window and renderer), for one run of the
// present. It goes again before the run ends, so the next benchmark makes its own window on
// a clean screen.
void GameThreadPresent(benchmark::State& state)
{
    const bool up = VideoUp() && host::TakeOverScreen() && host::SetScreenMode(640, 480);
    if (Expect(state, up, "no display: name a video driver in SDL_VIDEODRIVER (offscreen, x11)")) {
        const std::vector<std::uint16_t> frame = RandomFrame();
        host::PresentFrame(frame.data());  // the mailbox's new buffers are touched once first
        for (auto _ : state) host::PresentFrame(frame.data());
    }
    host::RestoreScreenMode();
}
BENCHMARK(GameThreadPresent)->UseRealTime();

// The game's 10 ms wait reads the clock again and again; each reading after the first
// sleeps to the next millisecond. Its CPU time a reading is what one wakeup costs this machine,
// and a thousand of them a second are the floor of the game's thread idle in play.
void SpinningClockReading(benchmark::State& state)
{
    host::Milliseconds();
    for (auto _ : state) benchmark::DoNotOptimize(host::Milliseconds());
}
BENCHMARK(SpinningClockReading)->UseRealTime();

// A window and renderer of its own, made and dropped with each run.
class RenderTarget {
public:
    explicit RenderTarget(int driver)
    {
        SDL_RendererInfo info;
        SDL_GetRenderDriverInfo(driver, &info);
        const bool software = std::string(info.name) == "software";
        window_ = SDL_CreateWindow("Tumblox bench", SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED, kWindowWidth,
                                   kWindowHeight, software ? 0 : SDL_WINDOW_OPENGL);
        if (window_ != nullptr) renderer_ = SDL_CreateRenderer(window_, driver, 0);
        if (renderer_ != nullptr) texture_ = sdlhost::MakeFrameTexture(renderer_);
    }
    ~RenderTarget()
    {
        if (texture_.texture != nullptr) SDL_DestroyTexture(texture_.texture);
        if (renderer_ != nullptr) SDL_DestroyRenderer(renderer_);
        if (window_ != nullptr) SDL_DestroyWindow(window_);
    }
    RenderTarget(const RenderTarget&) = delete;
    RenderTarget& operator=(const RenderTarget&) = delete;

    bool Ready() const { return texture_.texture != nullptr; }
    bool Converts() const { return texture_.layout == sdlhost::TextureLayout::Xrgb8888; }
    void Draw(const std::uint16_t* frame) { sdlhost::DrawFrame(renderer_, texture_, frame); }

private:
    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    sdlhost::FrameTexture texture_;
};

void DisplayFrame(benchmark::State& state, int driver)
{
    if (!Expect(state, VideoUp(), "no display: name a video driver in SDL_VIDEODRIVER (offscreen, x11)")) return;
    RenderTarget target(driver);
    // A renderer this video driver cannot make is not a fault of ours: the row says so.
    if (!target.Ready()) {
        state.SkipWithError(("not available here: " + std::string(SDL_GetError())).c_str());
        return;
    }
    const std::vector<std::uint16_t> frame = RandomFrame();
    for (auto _ : state) target.Draw(frame.data());
    state.counters["converts"] = target.Converts() ? 1 : 0;
}

// Our own drawing: `whole` repaints every frame (as after a resize); otherwise each frame
// differs from the last in the status line's ten rows only, as in play.
void SurfaceFrame(benchmark::State& state, bool whole)
{
    if (!Expect(state, VideoUp(), "no display: name a video driver in SDL_VIDEODRIVER (offscreen, x11)")) return;
    SDL_Window* window = SDL_CreateWindow("Tumblox bench", SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED,
                                          kWindowWidth, kWindowHeight, 0);
    if (window == nullptr || SDL_GetWindowSurface(window) == nullptr) {
        state.SkipWithError(("not available here: " + std::string(SDL_GetError())).c_str());
        if (window != nullptr) SDL_DestroyWindow(window);
        return;
    }
    std::vector<std::uint16_t> frame = RandomFrame();
    sdlhost::SurfaceDisplay display;
    display.Draw(window, frame.data());
    std::uint16_t counter = 0;
    for (auto _ : state) {
        if (whole) display.RepaintAll();
        for (int y = 4; y < 14; ++y) frame[y * sdlhost::kFrameWidth + 480] = ++counter;
        display.Draw(window, frame.data());
    }
    SDL_DestroyWindow(window);
}
BENCHMARK_CAPTURE(SurfaceFrame, whole, true)->UseRealTime();
BENCHMARK_CAPTURE(SurfaceFrame, status_line, false)->UseRealTime();

// One benchmark per GPU renderer compiled into this SDL.
const int renderers = [] {
    SDL_SetHint(SDL_HINT_RENDER_VSYNC, "0");
    for (int driver = 0; driver < SDL_GetNumRenderDrivers(); ++driver) {
        SDL_RendererInfo info;
        // SDL's software renderer is never the game's: our own drawing is.
        if (SDL_GetRenderDriverInfo(driver, &info) != 0 || std::string(info.name) == "software") continue;
        benchmark::RegisterBenchmark(("DisplayFrame/" + std::string(info.name)).c_str(), DisplayFrame, driver)
            ->UseRealTime();
    }
    return SDL_GetNumRenderDrivers();
}();

}  // namespace

}  // namespace bench
