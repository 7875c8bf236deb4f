#include "platform/sdl/render_thread.h"

#include <cstdio>
#include <cstring>

#include "platform/sdl/frame_fit.h"

namespace sdlhost {

namespace {

enum StartState { Starting, Running, Failed };

bool ListsFormat(const SDL_RendererInfo& info, Uint32 format)
{
    for (Uint32 i = 0; i < info.num_texture_formats; ++i) {
        if (info.texture_formats[i] == format) {
            return true;
        }
    }
    return false;
}

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
    std::vector<std::uint16_t> frame(kFramePixels);
    while (mailbox_.Take(frame)) {
        Draw(frame);
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
    SDL_RendererInfo info;
    SDL_GetRendererInfo(renderer_, &info);
    const bool software = (info.flags & SDL_RENDERER_SOFTWARE) != 0;
    layout_ = ChooseTextureLayout(software, ListsFormat(info, SDL_PIXELFORMAT_RGB565),
                                  SDL_GetWindowPixelFormat(window_) == SDL_PIXELFORMAT_RGB565);
    const Uint32 format = layout_ == TextureLayout::Rgb565 ? SDL_PIXELFORMAT_RGB565 : SDL_PIXELFORMAT_RGB888;
    texture_ = SDL_CreateTexture(renderer_, format, SDL_TEXTUREACCESS_STREAMING, kFrameWidth, kFrameHeight);
    if (texture_ == nullptr) {
        std::fprintf(stderr, "Tumblox: no texture for the picture: %s\n", SDL_GetError());
        DropRenderer();
        return false;
    }
    // Crisp pixels at any size.
    SDL_SetTextureScaleMode(texture_, SDL_ScaleModeNearest);
    return true;
}

void RenderThread::DropRenderer()
{
    if (texture_ != nullptr) {
        SDL_DestroyTexture(texture_);
        texture_ = nullptr;
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
    FillTexture(frame);
    int outputWidth = 0;
    int outputHeight = 0;
    SDL_GetRendererOutputSize(renderer_, &outputWidth, &outputHeight);
    const FitRect fit = FitFrame(outputWidth, outputHeight);
    const SDL_Rect target{fit.x, fit.y, fit.width, fit.height};
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderClear(renderer_);
    SDL_RenderCopy(renderer_, texture_, nullptr, &target);
    SDL_RenderPresent(renderer_);
}

void RenderThread::FillTexture(const std::vector<std::uint16_t>& frame)
{
    void* pixels = nullptr;
    int pitch = 0;
    if (SDL_LockTexture(texture_, nullptr, &pixels, &pitch) != 0) {
        return;
    }
    auto* target = static_cast<std::uint8_t*>(pixels);
    for (int y = 0; y < kFrameHeight; ++y) {
        const std::uint16_t* row = frame.data() + static_cast<std::size_t>(y) * kFrameWidth;
        if (layout_ == TextureLayout::Rgb565) {
            std::memcpy(target, row, kFrameWidth * sizeof(std::uint16_t));
        } else {
            ConvertRow565ToXrgb8888(row, reinterpret_cast<std::uint32_t*>(target), kFrameWidth);
        }
        target += pitch;
    }
    SDL_UnlockTexture(texture_);
}

}  // namespace sdlhost
