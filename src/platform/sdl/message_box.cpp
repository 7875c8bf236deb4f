// Message boxes on the desktop: drawn by us in a small modal window of their own, and always
// also printed on stderr, so that a player without a display (or a log) still reads why the
// game stopped. The game's thread waits while the main thread shows the box.
#include <SDL.h>

#include <cstdio>
#include <string>

#include "platform/cp949.h"
#include "platform/feed.h"
#include "platform/host.h"
#include "platform/sdl/close_signals.h"
#include "platform/sdl/main_thread_calls.h"
#include "platform/sdl/message_box_picture.h"
#include "platform/sdl/screen.h"
#include "platform/sdl/x11_watch.h"
#include "platform/win32.h"

namespace {

bool DismissKey(SDL_Keycode key)
{
    return key == SDLK_RETURN || key == SDLK_KP_ENTER || key == SDLK_SPACE || key == SDLK_ESCAPE;
}

// True when the event, on the box's window, dismisses the box; so does another program
// destroying that window. Input meant for the game's window waits for nobody: the game is not
// reading while its box is up.
bool Dismisses(const SDL_Event& event, SDL_Window* window, const sdlhost::BoxArea& okButton)
{
    const Uint32 box = SDL_GetWindowID(window);
    switch (event.type) {
    case SDL_KEYDOWN:
        return event.key.windowID == box && DismissKey(event.key.keysym.sym);
    case SDL_MOUSEBUTTONUP:
        return event.button.windowID == box && event.button.button == SDL_BUTTON_LEFT &&
               okButton.Contains(event.button.x, event.button.y);
    case SDL_WINDOWEVENT:
        return event.window.windowID == box && event.window.event == SDL_WINDOWEVENT_CLOSE;
    case SDL_SYSWMEVENT:
        return sdlhost::ReportsDestroyed(event, window);
    default:
        return false;
    }
}

void Paint(SDL_Window* window, SDL_Surface* picture)
{
    if (SDL_Surface* shown = SDL_GetWindowSurface(window); shown != nullptr) {
        SDL_BlitSurface(picture, nullptr, shown, nullptr);
        SDL_UpdateWindowSurface(window);
    }
}

// Main thread: until the player, a signal or a lost display ends it. Polled, not waited for:
// SDL's wait would wake itself through the box's window, which may be destroyed under it.
void RunBox(SDL_Window* window, SDL_Surface* picture, const sdlhost::BoxArea& okButton)
{
    const Uint32 box = SDL_GetWindowID(window);
    Paint(window, picture);
    for (;;) {
        SDL_Event event;
        while (SDL_PollEvent(&event) != 0) {
            if (Dismisses(event, window, okButton)) return;
            if (event.type == SDL_WINDOWEVENT && event.window.windowID == box &&
                event.window.event == SDL_WINDOWEVENT_EXPOSED)
                Paint(window, picture);
        }
        if (sdlhost::CloseSignalled()) {
            FeedMessage(WM_CLOSE, 0, 0);
            return;
        }
        if (sdlhost::DisplayLost()) return;
        SDL_Delay(10);
    }
}

bool ShowBoxHere(const std::string& title, const char* text, unsigned style)
{
    if (sdlhost::DisplayLost()) return true;
    sdlhost::BoxPicture drawn = sdlhost::DrawMessageBox(text, (style & MB_ICONHAND) != 0);
    SDL_Surface* picture = SDL_CreateRGBSurfaceWithFormatFrom(drawn.pixels.data(), drawn.width, drawn.height, 32,
                                                               drawn.width * 4, SDL_PIXELFORMAT_RGB888);
    SDL_Window* window = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, drawn.width,
                                          drawn.height, 0);
    if (picture == nullptr || window == nullptr) {
        std::fprintf(stderr, "Tumblox: the message box could not be shown: %s\n", SDL_GetError());
    } else {
        if (SDL_Window* game = sdlhost::GameWindow(); game != nullptr) SDL_SetWindowModalFor(window, game);
        // The player needs the pointer to press the box's button.
        const SDL_bool wasRelative = SDL_GetRelativeMouseMode();
        const int pointer = SDL_ShowCursor(SDL_QUERY);
        SDL_SetRelativeMouseMode(SDL_FALSE);
        SDL_ShowCursor(SDL_ENABLE);
        SDL_EventState(SDL_SYSWMEVENT, SDL_ENABLE);  // to hear of the box's window being destroyed
        RunBox(window, picture, drawn.okButton);
        SDL_EventState(SDL_SYSWMEVENT, SDL_DISABLE);
        if (!sdlhost::DisplayLost()) {
            SDL_ShowCursor(pointer);
            SDL_SetRelativeMouseMode(wasRelative);
        }
    }
    if (window != nullptr && !sdlhost::DisplayLost()) SDL_DestroyWindow(window);
    SDL_FreeSurface(picture);
    return true;
}

}  // namespace

namespace host {

void ShowMessageBox(const char* caption, const char* text, unsigned style)
{
    const std::string title = Cp949ToUtf8(caption);
    std::fprintf(stderr, "%s: %s\n", title.c_str(), Cp949ToUtf8(text).c_str());
    std::fflush(stderr);
    if (sdlhost::DisplayMissing()) {
        return;
    }
    sdlhost::CallOnMainThread([&] { return ShowBoxHere(title, text, style); });
}

}  // namespace host
