// Showing a finished frame: its top-left 640x480 pixels into the back buffer and a flip, or,
// when the display never got its back buffer, one stretched copy onto the screen itself.
#include "gfx/display.h"
#include "gfx/surface.h"

int Surface::Present()
{
    const Display& display = TheDisplay;
    if (!Usable()) return 1;

    RECT source;
    SetRect(&source, 0, 0, width, height);
    if (static_cast<std::int16_t>(width) > 640) source.right = 640;
    if (static_cast<std::int16_t>(height) > 480) source.bottom = 480;

    if (display.flipMode == 1 && display.backBuffer != nullptr) {
        display.backBuffer->BltFast(0, 0, surface, &source, bltFlags);
        display.primary->Flip(nullptr, 0);
    } else if (display.primary != nullptr) {
        RECT screen;
        SetRect(&screen, 0, 0, 640, 480);
        display.primary->Blt(&screen, surface, &source, 0, nullptr);
    }
    return 1;
}
