// Message boxes on the desktop: shown by SDL over the game's window, and always also printed
// on stderr, so that a player without a display (or a log) still reads why the game stopped.
#include <SDL.h>

#include <cstdio>
#include <string>

#include "platform/cp949.h"
#include "platform/host.h"
#include "platform/sdl/screen.h"
#include "platform/win32.h"

namespace {

Uint32 BoxKind(unsigned style)
{
    return (style & MB_ICONHAND) != 0 ? SDL_MESSAGEBOX_ERROR : SDL_MESSAGEBOX_INFORMATION;
}

}  // namespace

namespace host {

void ShowMessageBox(const char* caption, const char* text, unsigned style)
{
    const std::string title = Cp949ToUtf8(caption);
    const std::string message = Cp949ToUtf8(text);
    std::fprintf(stderr, "%s: %s\n", title.c_str(), message.c_str());
    std::fflush(stderr);
    if (sdlhost::DisplayMissing()) {
        return;
    }
    // The player needs the pointer to press the box's button.
    const SDL_bool wasRelative = SDL_GetRelativeMouseMode();
    SDL_SetRelativeMouseMode(SDL_FALSE);
    SDL_ShowSimpleMessageBox(BoxKind(style), title.c_str(), message.c_str(), sdlhost::GameWindow());
    SDL_SetRelativeMouseMode(wasRelative);
}

}  // namespace host
