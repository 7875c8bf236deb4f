// The game's one window on the desktop, for the event pump and the message boxes.
#pragma once

#include <SDL.h>

namespace sdlhost {

// The window, once the game has taken over the screen; null before and after.
SDL_Window* GameWindow();
// True when the video start found nothing that shows a picture: boxes go to stderr only.
bool DisplayMissing();
// Alt+Enter: desktop full screen, or a window of a whole multiple of 640x480.
void ToggleFullScreen();
// Window units (the unit of mouse motion) per picture pixel, at the window's present size.
double WindowUnitsPerPixel();

}  // namespace sdlhost
