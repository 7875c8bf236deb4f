// Which renderer draws the game's picture. A GL renderer that rasterises on the CPU (Mesa's
// llvmpipe or softpipe, as on a machine without a graphics driver) costs several times what
// SDL's software renderer does for the same scaled picture, so the software one is taken
// there; a window the software renderer draws into is made without OpenGL.
#pragma once

namespace sdlhost {

struct RendererChoice {
    int driverIndex;  // for SDL_CreateRenderer: -1 lets SDL choose
    bool openGlWindow;
};

// After the video started, before the window is made. SDL_RENDER_DRIVER, when set, decides.
RendererChoice ChooseRenderer();

}  // namespace sdlhost
