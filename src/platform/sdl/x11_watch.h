// What happens when the X server takes the game's window or the whole display away (another
// program destroyed the window or cut the game's connection, the session ended). Xlib's own
// handlers would end the process from inside whatever call noticed; these only note it, and
// the main thread then stops using the display and lets the game end in its order.
#pragma once

#include <SDL.h>

namespace sdlhost {

// Watches the X display the window is on (nothing on other video drivers).
void WatchX11Window(SDL_Window* window);
// What ends the game once the connection broke. It is called from inside the Xlib call that
// noticed, and must never return there: Xlib's waits would wait for good.
void WhenDisplayIsLost(void (*end)());
// True when the event is the X server's word that this window was destroyed, by whoever
// (SDL passes X's events on as SDL_SYSWMEVENT only while they are enabled).
bool ReportsDestroyed(const SDL_Event& event, SDL_Window* window);
// Main thread: the window is gone (an X request on it failed), or the connection broke.
bool WindowLost();
bool DisplayLost();

}  // namespace sdlhost
