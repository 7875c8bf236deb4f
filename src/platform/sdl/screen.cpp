// The display side of the real backend: SDL's video, the one window in desktop full screen,
// and the render thread that shows what the game presents.
#include "platform/sdl/screen.h"

#include <atomic>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "platform/host.h"
#include "platform/sdl/display_lost.h"
#include "platform/sdl/frame_fit.h"
#include "platform/sdl/render_thread.h"

namespace {

constexpr const char* kWindowTitle = "Tumblox By Quellin";

struct Screen {
    bool videoUp = false;
    bool displayMissing = false;
    SDL_Window* window = nullptr;
    std::unique_ptr<sdlhost::RenderThread> render;

    // The render thread is joined before the window goes, also when the process just ends.
    ~Screen()
    {
        host::RestoreScreenMode();
        if (videoUp) {
            SDL_QuitSubSystem(SDL_INIT_VIDEO);
        }
    }
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

// Window events that SDL's renderer would act on from this thread, while the render thread
// owns the renderer. They are kept from it; a size change reaches the render thread as a count.
int KeepWindowEventsFromRenderer(void*, SDL_Event* event)
{
    if (event->type != SDL_WINDOWEVENT) {
        return 1;
    }
    switch (event->window.event) {
    case SDL_WINDOWEVENT_SIZE_CHANGED:
        if (screen.render != nullptr) {
            screen.render->WindowResized();
        }
        return 0;
    case SDL_WINDOWEVENT_RESIZED:
    case SDL_WINDOWEVENT_SHOWN:
    case SDL_WINDOWEVENT_HIDDEN:
    case SDL_WINDOWEVENT_MINIMIZED:
    case SDL_WINDOWEVENT_MAXIMIZED:
    case SDL_WINDOWEVENT_RESTORED:
        return 0;
    default:
        return 1;
    }
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
    const Uint32 flags = SDL_WINDOW_FULLSCREEN_DESKTOP | SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI;
    // OpenGL from the start, so that the render thread's GL renderer never rebuilds the window.
    SDL_Window* window = SDL_CreateWindow(kWindowTitle, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, desktop.w,
                                          desktop.h, flags | SDL_WINDOW_OPENGL);
    if (window == nullptr) {
        window = SDL_CreateWindow(kWindowTitle, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, desktop.w, desktop.h,
                                  flags);
    }
    return window;
}

}  // namespace

namespace sdlhost {

SDL_Window* GameWindow()
{
    return screen.window;
}

bool DisplayMissing()
{
    return !screen.videoUp;
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
        SDL_SetWindowSize(screen.window, size.width, size.height);
        SDL_SetWindowPosition(screen.window, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
    } else {
        // As at the start: without a window manager the window must already cover the screen.
        SDL_Rect bounds{};
        if (SDL_GetDisplayBounds(SDL_GetWindowDisplayIndex(screen.window), &bounds) == 0) {
            SDL_SetWindowPosition(screen.window, bounds.x, bounds.y);
            SDL_SetWindowSize(screen.window, bounds.w, bounds.h);
        }
        SDL_SetWindowFullscreen(screen.window, SDL_WINDOW_FULLSCREEN_DESKTOP);
    }
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

}  // namespace sdlhost

namespace host {

bool OpenVideo()
{
    if (screen.videoUp) {
        return true;
    }
    // The software renderer draws straight into the X server's picture, not through GL.
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
    if (std::strcmp(driver, "x11") == 0) {
        sdlhost::EndWhenDisplayIsLost();
    }
    SDL_SetEventFilter(KeepWindowEventsFromRenderer, nullptr);
    screen.videoUp = true;
    return true;
}

bool TakeOverScreen()
{
    if (!screen.videoUp) {
        return false;
    }
    if (screen.window == nullptr) {
        screen.window = CreateFullScreenWindow();
        if (screen.window == nullptr) {
            std::fprintf(stderr, "Tumblox: no window: %s\n", SDL_GetError());
            return false;
        }
        SDL_SetWindowMinimumSize(screen.window, sdlhost::kFrameWidth / 4, sdlhost::kFrameHeight / 4);
    }
    return true;
}

bool SetScreenMode(int width, int height)
{
    if (screen.window == nullptr || width != sdlhost::kFrameWidth || height != sdlhost::kFrameHeight) {
        return false;
    }
    if (screen.render == nullptr) {
        auto render = std::make_unique<sdlhost::RenderThread>();
        if (!render->Start(screen.window)) {
            return false;
        }
        screen.render = std::move(render);
    }
    return true;
}

void RestoreScreenMode()
{
    if (screen.render != nullptr) {
        screen.render->Stop();
        screen.render.reset();
    }
    if (screen.window != nullptr) {
        SDL_SetRelativeMouseMode(SDL_FALSE);
        SDL_DestroyWindow(screen.window);
        screen.window = nullptr;
    }
}

bool ScreenIs565()
{
    return true;
}

void PresentFrame(const std::uint16_t* pixels)
{
    if (screen.render != nullptr) {
        screen.render->Post(pixels);
    }
}

}  // namespace host
