#include "platform/sdl/x11_watch.h"

#include <SDL_syswm.h>
#include <X11/Xlib.h>

#include <atomic>
#include <cstdio>

namespace {

std::atomic<Window> watchedWindow{0};
std::atomic<bool> windowLost{false};
std::atomic<bool> displayLost{false};
void (*endWithoutDisplay)() = nullptr;

// An X request failed. Requests on the game's window fail once the window is gone; others are
// only reported, since nothing the game draws depends on them.
int OnRequestFailed(Display* display, XErrorEvent* error)
{
    if (windowLost.load() || displayLost.load()) return 0;  // said once already
    if (error->resourceid != 0 && error->resourceid == watchedWindow.load()) {
        windowLost.store(true);
        return 0;
    }
    // Any other window of ours is a message box another program destroyed: requests on it fail
    // until its destruction is heard of (ReportsDestroyed), and say nothing new.
    if (error->error_code == BadWindow) return 0;
    char what[160];
    XGetErrorText(display, error->error_code, what, sizeof what);
    std::fprintf(stderr, "Tumblox: the display refused a request: %s\n", what);
    return 0;
}

int OnConnectionBroken(Display*)
{
    displayLost.store(true);
    return 0;
}

// Instead of Xlib's exit() while the game still runs: the game ends in its order first.
void EndGameInItsOrder(Display*, void*)
{
    displayLost.store(true);
    if (endWithoutDisplay != nullptr) endWithoutDisplay();
}

}  // namespace

namespace sdlhost {

void WatchX11Window(SDL_Window* window)
{
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (SDL_GetWindowWMInfo(window, &info) != SDL_TRUE || info.subsystem != SDL_SYSWM_X11) return;
    watchedWindow.store(info.info.x11.window);
    XSetErrorHandler(OnRequestFailed);
    XSetIOErrorHandler(OnConnectionBroken);
    XSetIOErrorExitHandler(info.info.x11.display, EndGameInItsOrder, nullptr);
}

void WhenDisplayIsLost(void (*end)())
{
    endWithoutDisplay = end;
}

bool ReportsDestroyed(const SDL_Event& event, SDL_Window* window)
{
    if (event.type != SDL_SYSWMEVENT || event.syswm.msg->subsystem != SDL_SYSWM_X11) return false;
    const XEvent& happened = event.syswm.msg->msg.x11.event;
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    return happened.type == DestroyNotify && SDL_GetWindowWMInfo(window, &info) == SDL_TRUE &&
           info.subsystem == SDL_SYSWM_X11 && happened.xdestroywindow.window == info.info.x11.window;
}

bool WindowLost()
{
    return windowLost.load();
}

bool DisplayLost()
{
    return displayLost.load();
}

}  // namespace sdlhost
