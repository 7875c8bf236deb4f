// The game's one window on the desktop and the picture in it. Everything here runs on the
// main thread, except PresentFrame's post and DisplayMissing.
#pragma once

#include <SDL.h>

namespace sdlhost {

// The window, once the game has taken over the screen; null before and after.
SDL_Window* GameWindow();
// True when the video is not up (never was, or went away): boxes go to stderr only.
bool DisplayMissing();
// Alt+Enter: desktop full screen, or a window of a whole multiple of 640x480.
void ToggleFullScreen();
// The window was resized, uncovered or shown again: its whole picture is drawn anew.
void RepaintWindow();
// Window units (the unit of mouse motion) per picture pixel, at the window's present size.
double WindowUnitsPerPixel();
// Shows the newest presented frame when one is waiting and the screen is ready for the
// next picture; the milliseconds until it will be ready again.
int ShowNewestFrame();
// The window and the video go (the game has ended); the display is left alone once lost.
void CloseDisplay();

}  // namespace sdlhost
