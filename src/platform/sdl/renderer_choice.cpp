#include "platform/sdl/renderer_choice.h"

#include <SDL.h>
#include <X11/Xlib.h>

#include <cstring>

namespace sdlhost {

namespace {

constexpr unsigned kGlRenderer = 0x1F01;  // GL_RENDERER

// A GL_RENDERER string that names a rasteriser running on the CPU.
bool DrawsOnTheCpu(const char* glRenderer)
{
    return std::strstr(glRenderer, "llvmpipe") != nullptr || std::strstr(glRenderer, "softpipe") != nullptr ||
           std::strstr(glRenderer, "swrast") != nullptr;
}

// Mesa draws on the GPU only through the X server's DRI; where the server offers none, GL
// can only rasterise on the CPU, which is known without loading GL (and its threads) at all.
bool X11ServerLacksDri()
{
    if (std::strcmp(SDL_GetCurrentVideoDriver(), "x11") != 0) return false;
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) return false;
    int opcode = 0, event = 0, error = 0;
    const bool dri = XQueryExtension(display, "DRI3", &opcode, &event, &error) != 0 ||
                     XQueryExtension(display, "DRI2", &opcode, &event, &error) != 0;
    XCloseDisplay(display);
    return !dri;
}

// Asks GL for its renderer's name through a small hidden window of its own.
bool GlDrawsOnTheCpu()
{
    SDL_Window* probe = SDL_CreateWindow("", 0, 0, 1, 1, SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
    if (probe == nullptr) return true;  // no GL at all
    bool cpu = true;
    if (SDL_GLContext context = SDL_GL_CreateContext(probe); context != nullptr) {
        using GetString = const unsigned char* (*)(unsigned);
        const auto getString = reinterpret_cast<GetString>(SDL_GL_GetProcAddress("glGetString"));
        const unsigned char* name = getString != nullptr ? getString(kGlRenderer) : nullptr;
        cpu = name == nullptr || DrawsOnTheCpu(reinterpret_cast<const char*>(name));
        SDL_GL_DeleteContext(context);
    }
    SDL_DestroyWindow(probe);
    return cpu;
}

}  // namespace

PictureRoute ChoosePictureRoute()
{
    if (const char* named = SDL_GetHint(SDL_HINT_RENDER_DRIVER); named != nullptr) {
        return SDL_strcasecmp(named, "software") == 0 ? PictureRoute::WindowSurface : PictureRoute::GlRenderer;
    }
    if (X11ServerLacksDri() || GlDrawsOnTheCpu()) {
        SDL_GL_UnloadLibrary();
        return PictureRoute::WindowSurface;
    }
    return PictureRoute::GlRenderer;
}

}  // namespace sdlhost
