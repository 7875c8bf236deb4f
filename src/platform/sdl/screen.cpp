// The display side of the real backend: SDL's video, the one window in desktop full screen,
// its GL renderer or our own drawing into it, and the frames the game presents. The game's
// thread reaches the window only through calls the main thread runs for it.
#include "platform/sdl/screen.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "platform/host.h"
#include "platform/sdl/frame_drawing.h"
#include "platform/sdl/frame_fit.h"
#include "platform/sdl/frame_mailbox.h"
#include "platform/sdl/main_thread_calls.h"
#include "platform/sdl/renderer_choice.h"
#include "platform/sdl/surface_display.h"
#include "platform/sdl/x11_watch.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr const char* kWindowTitle = "Tumblox By Quellin";

struct Screen {
    std::atomic<bool> videoUp{false};
    sdlhost::PictureRoute route = sdlhost::PictureRoute::GlRenderer;
    SDL_Window* window = nullptr;
    SDL_Renderer* drawing = nullptr;  // the GL route's
    sdlhost::FrameTexture texture;
    sdlhost::SurfaceDisplay surfaceDisplay;  // the window surface route's
    bool surfaceReady = false;
    sdlhost::FrameMailbox mailbox;
    std::vector<std::uint16_t> frame = std::vector<std::uint16_t>(sdlhost::kFramePixels);
    Clock::duration interval{};
    Clock::time_point nextDraw{};
};

Screen screen;

// Drivers that show nothing: they count only when the player asked for them by name.
bool ShowsNothing(const char* driver)
{
    return std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0 ||
           std::strcmp(driver, "evdev") == 0;
}

bool NamedInVideoDriverHint(const char* driver)
{
    const char* hint = SDL_GetHint(SDL_HINT_VIDEODRIVER);
    if (hint == nullptr) {
        return false;
    }
    std::string names(hint);
    std::size_t start = 0;
    while (start <= names.size()) {
        const std::size_t end = std::min(names.find(',', start), names.size());
        if (SDL_strcasecmp(names.substr(start, end - start).c_str(), driver) == 0) {
            return true;
        }
        start = end + 1;
    }
    return false;
}

bool OpenVideoHere()
{
    // Our own drawing goes straight into the X server's picture, not through GL.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    SDL_SetHint(SDL_HINT_RENDER_VSYNC, "0");
    // Closing the window is the game's close request, handled in its own order.
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "Tumblox: no display: %s\n", SDL_GetError());
        return false;
    }
    const char* driver = SDL_GetCurrentVideoDriver();
    if (driver == nullptr || (ShowsNothing(driver) && !NamedInVideoDriverHint(driver))) {
        std::fprintf(stderr, "Tumblox: no display (neither DISPLAY nor WAYLAND_DISPLAY is set)\n");
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        return false;
    }
    screen.route = sdlhost::ChoosePictureRoute();
    screen.videoUp.store(true);
    return true;
}

SDL_Window* CreateFullScreenWindow()
{
    // Created at the desktop's size: without a window manager a full-screen-desktop window
    // made smaller keeps its small X window and the rest of the screen stays bare.
    SDL_DisplayMode desktop{};
    if (SDL_GetDesktopDisplayMode(0, &desktop) != 0) {
        desktop.w = sdlhost::kFrameWidth;
        desktop.h = sdlhost::kFrameHeight;
    }
    const Uint32 flags = SDL_WINDOW_FULLSCREEN_DESKTOP | SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI |
                         (screen.route == sdlhost::PictureRoute::GlRenderer ? SDL_WINDOW_OPENGL : 0);
    return SDL_CreateWindow(kWindowTitle, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, desktop.w, desktop.h,
                            flags);
}

bool TakeOverScreenHere()
{
    if (!screen.videoUp.load()) {
        return false;
    }
    if (screen.window == nullptr) {
        screen.window = CreateFullScreenWindow();
        if (screen.window == nullptr) {
            std::fprintf(stderr, "Tumblox: no window: %s\n", SDL_GetError());
            return false;
        }
        SDL_SetWindowMinimumSize(screen.window, sdlhost::kFrameWidth / 4, sdlhost::kFrameHeight / 4);
        sdlhost::WatchX11Window(screen.window);
    }
    return true;
}

int RefreshRate()
{
    constexpr int kUsualRate = 60;
    SDL_DisplayMode mode{};
    if (SDL_GetDesktopDisplayMode(SDL_GetWindowDisplayIndex(screen.window), &mode) != 0 || mode.refresh_rate <= 0) {
        return kUsualRate;
    }
    return mode.refresh_rate;
}

bool MakeGlRenderer()
{
    screen.drawing = SDL_CreateRenderer(screen.window, -1, 0);
    if (screen.drawing == nullptr) {
        std::fprintf(stderr, "Tumblox: no renderer for the window: %s\n", SDL_GetError());
        return false;
    }
    screen.texture = sdlhost::MakeFrameTexture(screen.drawing);
    if (screen.texture.texture == nullptr) {
        std::fprintf(stderr, "Tumblox: no texture for the picture: %s\n", SDL_GetError());
        SDL_DestroyRenderer(screen.drawing);
        screen.drawing = nullptr;
        return false;
    }
    return true;
}

bool ReadyToDraw()
{
    return screen.drawing != nullptr || screen.surfaceReady;
}

bool MakeRendererHere()
{
    if (ReadyToDraw()) {
        return true;
    }
    if (screen.route == sdlhost::PictureRoute::GlRenderer) {
        if (!MakeGlRenderer()) return false;
    } else {
        if (SDL_GetWindowSurface(screen.window) == nullptr) {
            std::fprintf(stderr, "Tumblox: no picture for the window: %s\n", SDL_GetError());
            return false;
        }
        screen.surfaceDisplay = sdlhost::SurfaceDisplay{};
        screen.surfaceReady = true;
    }
    // No more pictures than the monitor shows: the game makes a frame every 10 ms, and drawing
    // the ones a screen could never show would only cost the machine.
    screen.interval = std::chrono::microseconds(1000000 / RefreshRate());
    return true;
}

// SDL waits a tenth of a second for a window manager to move or size a window, and without
// one it waits that long whenever nothing changes: only what changes is asked for.
void MoveWindow(const SDL_Rect& place)
{
    int x = 0, y = 0, width = 0, height = 0;
    SDL_GetWindowPosition(screen.window, &x, &y);
    SDL_GetWindowSize(screen.window, &width, &height);
    if (x != place.x || y != place.y) {
        SDL_SetWindowPosition(screen.window, place.x, place.y);
    }
    if (width != place.w || height != place.h) {
        SDL_SetWindowSize(screen.window, place.w, place.h);
    }
}

bool DisplayUsable()
{
    return !sdlhost::DisplayLost();
}

bool RestoreScreenModeHere()
{
    if (screen.texture.texture != nullptr && DisplayUsable()) {
        SDL_DestroyTexture(screen.texture.texture);
    }
    screen.texture = sdlhost::FrameTexture{};
    if (screen.drawing != nullptr && DisplayUsable()) {
        SDL_DestroyRenderer(screen.drawing);
    }
    screen.drawing = nullptr;
    screen.surfaceReady = false;
    if (screen.window != nullptr && DisplayUsable()) {
        SDL_SetRelativeMouseMode(SDL_FALSE);
        SDL_DestroyWindow(screen.window);
    }
    screen.window = nullptr;
    return true;
}

}  // namespace

namespace sdlhost {

SDL_Window* GameWindow()
{
    return screen.window;
}

bool DisplayMissing()
{
    return !screen.videoUp.load();
}

void ToggleFullScreen()
{
    if (screen.window == nullptr) {
        return;
    }
    if ((SDL_GetWindowFlags(screen.window) & SDL_WINDOW_FULLSCREEN) != 0) {
        SDL_SetWindowFullscreen(screen.window, 0);
        SDL_DisplayMode desktop{};
        SDL_GetDesktopDisplayMode(SDL_GetWindowDisplayIndex(screen.window), &desktop);
        const WindowSize size = WindowedSize(desktop.w, desktop.h);
        MoveWindow({(desktop.w - size.width) / 2, (desktop.h - size.height) / 2, size.width, size.height});
    } else {
        // As at the start: without a window manager the window must already cover the screen.
        SDL_Rect bounds{};
        if (SDL_GetDisplayBounds(SDL_GetWindowDisplayIndex(screen.window), &bounds) == 0) {
            MoveWindow(bounds);
        }
        SDL_SetWindowFullscreen(screen.window, SDL_WINDOW_FULLSCREEN_DESKTOP);
    }
}

void RepaintWindow()
{
    screen.surfaceDisplay.RepaintAll();
}

double WindowUnitsPerPixel()
{
    if (screen.window == nullptr) {
        return 1.0;
    }
    int width = 0;
    int height = 0;
    SDL_GetWindowSize(screen.window, &width, &height);
    return FitScale(width, height);
}

int ShowNewestFrame()
{
    constexpr int kIdleWait = 10;
    if (!ReadyToDraw()) {
        return kIdleWait;
    }
    const Clock::time_point now = Clock::now();
    if (now >= screen.nextDraw) {
        // Our own drawing keeps its picture between frames; a lost one is drawn again at once.
        const bool fresh = screen.mailbox.TakeFresh(screen.frame);
        if (screen.drawing != nullptr && fresh) {
            DrawFrame(screen.drawing, screen.texture, screen.frame.data());
        } else if (screen.surfaceReady && (fresh || screen.surfaceDisplay.WantsRepaint())) {
            screen.surfaceDisplay.Draw(screen.window, screen.frame.data());
        }
        if (fresh) screen.nextDraw = std::max(screen.nextDraw + screen.interval, now);
    }
    // Due but nothing new: the game's next frame is a few milliseconds away at most.
    constexpr int kLookAgain = 2;
    const auto wait = std::chrono::ceil<std::chrono::milliseconds>(screen.nextDraw - Clock::now()).count();
    return wait <= 0 ? kLookAgain : static_cast<int>(std::min<long long>(wait, kIdleWait));
}

void CloseDisplay()
{
    RestoreScreenModeHere();
    // After another program destroyed the window, SDL's waits may have asked the X server to
    // wake them through it. Those requests' errors come back only when SDL closes its
    // connections, after it has put Xlib's own handler back, which would end the process from
    // inside Xlib: the process ends soon anyway, and the connections close with it.
    if (screen.videoUp.exchange(false) && DisplayUsable() && !sdlhost::WindowLost()) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }
}

}  // namespace sdlhost

namespace host {

bool OpenVideo()
{
    return screen.videoUp.load() || sdlhost::CallOnMainThread(OpenVideoHere);
}

bool TakeOverScreen()
{
    return sdlhost::CallOnMainThread(TakeOverScreenHere);
}

bool SetScreenMode(int width, int height)
{
    if (width != sdlhost::kFrameWidth || height != sdlhost::kFrameHeight) {
        return false;
    }
    return sdlhost::CallOnMainThread([] { return screen.window != nullptr && MakeRendererHere(); });
}

void RestoreScreenMode()
{
    sdlhost::CallOnMainThread(RestoreScreenModeHere);
}

bool ScreenIs565()
{
    return true;
}

void PresentFrame(const std::uint16_t* pixels)
{
    screen.mailbox.Post(pixels);
}

}  // namespace host
