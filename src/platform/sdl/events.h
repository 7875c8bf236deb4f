// The main thread's handling of one event from the desktop.
#pragma once

#include <SDL.h>

namespace sdlhost {

void Dispatch(const SDL_Event& event);

}  // namespace sdlhost
