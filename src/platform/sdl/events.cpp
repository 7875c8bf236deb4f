// Input from the desktop, dispatched on the main thread as it arrives: the mouse in relative
// mode while the window has the focus, the game's three keys and two buttons, Alt+Enter, and
// every way of asking the game to close (window close, Alt+F4) as the WM_CLOSE the game
// handles in its own order.
#include "platform/sdl/events.h"

#include "platform/feed.h"
#include "platform/host.h"
#include "platform/sdl/mouse_motion.h"
#include "platform/sdl/screen.h"

namespace {

sdlhost::MouseMotion mouseMotion;

int VirtualKeyOf(SDL_Keycode key)
{
    switch (key) {
    case SDLK_ESCAPE:
        return VK_ESCAPE;
    case SDLK_PAGEUP:
        return VK_PRIOR;
    case SDLK_PAGEDOWN:
        return VK_NEXT;
    default:
        return -1;
    }
}

int VirtualButtonOf(Uint8 button)
{
    switch (button) {
    case SDL_BUTTON_LEFT:
        return VK_LBUTTON;
    case SDL_BUTTON_RIGHT:
        return VK_RBUTTON;
    default:
        return -1;
    }
}

void Focus(bool gained)
{
    // Away from the game the pointer is the player's again, and nothing reads as held.
    SDL_SetRelativeMouseMode(gained ? SDL_TRUE : SDL_FALSE);
    if (!gained) {
        FeedReleaseAll();
    }
}

void OnKey(const SDL_KeyboardEvent& key, bool down)
{
    const bool alt = (key.keysym.mod & KMOD_ALT) != 0;
    if (down && alt && (key.keysym.sym == SDLK_RETURN || key.keysym.sym == SDLK_KP_ENTER)) {
        if (key.repeat == 0) {
            sdlhost::ToggleFullScreen();
        }
        return;
    }
    if (down && alt && key.keysym.sym == SDLK_F4) {
        FeedMessage(WM_CLOSE, 0, 0);
        return;
    }
    const int virtualKey = VirtualKeyOf(key.keysym.sym);
    if (virtualKey >= 0) {
        FeedKey(virtualKey, down);
    }
}

void OnButton(const SDL_MouseButtonEvent& button, bool down)
{
    const int virtualKey = VirtualButtonOf(button.button);
    if (virtualKey >= 0) {
        FeedKey(virtualKey, down);
    }
}

void OnMotion(const SDL_MouseMotionEvent& motion)
{
    if (!SDL_GetRelativeMouseMode()) {
        return;
    }
    const sdlhost::MouseMotion::Step step =
        mouseMotion.Convert(motion.xrel, motion.yrel, sdlhost::WindowUnitsPerPixel());
    if (step.dx != 0 || step.dy != 0) {
        FeedMouseMotion(step.dx, step.dy);
    }
}

void OnWindowEvent(const SDL_WindowEvent& window)
{
    switch (window.event) {
    case SDL_WINDOWEVENT_FOCUS_GAINED:
        Focus(true);
        break;
    case SDL_WINDOWEVENT_FOCUS_LOST:
        Focus(false);
        break;
    case SDL_WINDOWEVENT_CLOSE:
        FeedMessage(WM_CLOSE, 0, 0);
        break;
    case SDL_WINDOWEVENT_SIZE_CHANGED:
    case SDL_WINDOWEVENT_EXPOSED:
    case SDL_WINDOWEVENT_SHOWN:
    case SDL_WINDOWEVENT_RESTORED:
        sdlhost::RepaintWindow();
        break;
    default:
        break;
    }
}

}  // namespace

namespace sdlhost {

void Dispatch(const SDL_Event& event)
{
    switch (event.type) {
    case SDL_QUIT:
        FeedMessage(WM_CLOSE, 0, 0);
        break;
    case SDL_WINDOWEVENT:
        OnWindowEvent(event.window);
        break;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        OnKey(event.key, event.type == SDL_KEYDOWN);
        break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        OnButton(event.button, event.type == SDL_MOUSEBUTTONDOWN);
        break;
    case SDL_MOUSEMOTION:
        OnMotion(event.motion);
        break;
    default:
        break;
    }
}

}  // namespace sdlhost

namespace host {

// The main thread feeds input as it arrives: nothing is left to fetch from the game's thread.
void PumpEvents() {}

}  // namespace host
