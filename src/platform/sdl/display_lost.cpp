// When the X server goes away under the game (it was shut down, the session ended), nothing
// can be shown or read any more: the game ends at once with a line saying why. Xlib's own
// ending would run the game's shutdown from whichever thread noticed, while the others
// still draw and tick.
#include "platform/sdl/display_lost.h"

#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>

namespace {

int EndGame(Display*)
{
    std::fputs("Tumblox: the display went away\n", stderr);
    std::_Exit(EXIT_FAILURE);
}

}  // namespace

namespace sdlhost {

void EndWhenDisplayIsLost()
{
    XSetIOErrorHandler(EndGame);
}

}  // namespace sdlhost
