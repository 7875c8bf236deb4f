// How the game's picture reaches the window. A GL renderer on a GPU scales it for almost
// nothing; where GL would rasterise on the CPU (Mesa's llvmpipe or softpipe, as on a machine
// without a graphics driver) it costs several times what our own drawing into the window's
// surface does, and that drawing sends only the rows that changed. A window we draw into
// ourselves is made without OpenGL.
#pragma once

namespace sdlhost {

enum class PictureRoute { GlRenderer, WindowSurface };

// After the video started, before the window is made. SDL_RENDER_DRIVER, when set, decides:
// "software" is our own drawing, any other name the renderer SDL makes by that name.
PictureRoute ChoosePictureRoute();

}  // namespace sdlhost
