#include "platform/sdl/render_thread.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>

namespace sdlhost {

namespace {

enum StartState { Starting, Running, Failed };

// A window made without OpenGL must not be handed to a GL renderer, which would rebuild the
// window on this thread; the software one draws into any window.
int RendererIndexFor(SDL_Window* window)
{
    if ((SDL_GetWindowFlags(window) & SDL_WINDOW_OPENGL) != 0 || SDL_GetHint(SDL_HINT_RENDER_DRIVER) != nullptr) {
        return -1;
    }
    for (int i = 0; i < SDL_GetNumRenderDrivers(); ++i) {
        SDL_RendererInfo info;
        if (SDL_GetRenderDriverInfo(i, &info) == 0 && std::strcmp(info.name, "software") == 0) {
            return i;
        }
    }
    return -1;
}

int RefreshRate(SDL_Window* window)
{
    constexpr int kUsualRate = 60;
    SDL_DisplayMode mode{};
    if (SDL_GetDesktopDisplayMode(SDL_GetWindowDisplayIndex(window), &mode) != 0 || mode.refresh_rate <= 0) {
        return kUsualRate;
    }
    return mode.refresh_rate;
}

}  // namespace

RenderThread::~RenderThread()
{
    Stop();
}

bool RenderThread::Start(SDL_Window* window)
{
    window_ = window;
    std::atomic<int> started{Starting};
    thread_ = std::thread(&RenderThread::Run, this, &started);
    while (started.load() == Starting) {
        started.wait(Starting);
    }
    if (started.load() == Failed) {
        thread_.join();
        return false;
    }
    return true;
}

void RenderThread::Post(const std::uint16_t* pixels)
{
    mailbox_.Post(pixels);
}

void RenderThread::WindowResized()
{
    resizes_.fetch_add(1);
}

void RenderThread::Stop()
{
    mailbox_.Close();
    if (thread_.joinable()) {
        thread_.join();
    }
}

void RenderThread::Run(std::atomic<int>* started)
{
    resizesSeen_ = resizes_.load();
    const bool made = MakeRenderer();
    started->store(made ? Running : Failed);
    started->notify_all();
    if (!made) {
        return;
    }
    // No more pictures than the monitor shows: the game makes a frame every 10 ms, and drawing
    // the ones a screen could never show would only take the core from the game.
    const auto interval = std::chrono::microseconds(1000000 / RefreshRate(window_));
    std::vector<std::uint16_t> frame(kFramePixels);
    auto nextDraw = std::chrono::steady_clock::now();
    for (;;) {
        std::this_thread::sleep_until(nextDraw);
        if (!mailbox_.Take(frame)) {
            break;
        }
        Draw(frame);
        nextDraw = std::max(nextDraw + interval, std::chrono::steady_clock::now());
    }
    DropRenderer();
}

bool RenderThread::MakeRenderer()
{
    renderer_ = SDL_CreateRenderer(window_, RendererIndexFor(window_), 0);
    if (renderer_ == nullptr) {
        std::fprintf(stderr, "Tumblox: no renderer for the window: %s\n", SDL_GetError());
        return false;
    }
    texture_ = MakeFrameTexture(renderer_, window_);
    if (texture_.texture == nullptr) {
        std::fprintf(stderr, "Tumblox: no texture for the picture: %s\n", SDL_GetError());
        DropRenderer();
        return false;
    }
    return true;
}

void RenderThread::DropRenderer()
{
    if (texture_.texture != nullptr) {
        SDL_DestroyTexture(texture_.texture);
        texture_ = FrameTexture{};
    }
    if (renderer_ != nullptr) {
        SDL_DestroyRenderer(renderer_);
        renderer_ = nullptr;
    }
}

void RenderThread::Draw(const std::vector<std::uint16_t>& frame)
{
    const unsigned resizes = resizes_.load();
    if (resizes != resizesSeen_ || renderer_ == nullptr) {
        resizesSeen_ = resizes;
        DropRenderer();
        if (!MakeRenderer()) {
            return;  // no picture until the next size change brings a renderer back
        }
    }
    DrawFrame(renderer_, texture_, frame.data());
}

}  // namespace sdlhost
