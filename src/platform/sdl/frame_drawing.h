// What the display does with a GL renderer: a streaming texture for the 640x480 frame in
// a layout the renderer takes natively, and the drawing of one frame into the window.
#pragma once

#include <SDL.h>

#include <cstdint>

#include "platform/sdl/texture_pixels.h"

namespace sdlhost {

struct FrameTexture {
    SDL_Texture* texture = nullptr;  // null when the renderer would not make one
    TextureLayout layout = TextureLayout::Xrgb8888;
};

// A streaming texture for the window's renderer, nearest-neighbour scaled.
FrameTexture MakeFrameTexture(SDL_Renderer* renderer);
// Fills the texture with a 640x480 5-6-5 frame, copies it into the output as large as fits
// between black bars, and shows it.
void DrawFrame(SDL_Renderer* renderer, const FrameTexture& texture, const std::uint16_t* frame);

}  // namespace sdlhost
