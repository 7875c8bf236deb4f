// What the display does with its renderer: a streaming texture for the 640x480 frame in
// a layout the renderer takes natively, and the drawing of one frame into the window.
#pragma once

#include <SDL.h>

#include <cstdint>

#include "platform/sdl/texture_pixels.h"

namespace sdlhost {

struct FrameTexture {
    SDL_Texture* texture = nullptr;  // null when the renderer would not make one
    TextureLayout layout = TextureLayout::Xrgb8888;
    // The software renderer draws into the window's own picture, which keeps the black bars
    // from one frame to the next: they are drawn again only for a new output size.
    bool keepsBars = false;
    int barsWidth = 0;
    int barsHeight = 0;
};

// A streaming texture for the window's renderer, nearest-neighbour scaled.
FrameTexture MakeFrameTexture(SDL_Renderer* renderer, SDL_Window* window);
// Fills the texture with a 640x480 5-6-5 frame, copies it into the output as large as fits
// between black bars, and shows it.
void DrawFrame(SDL_Renderer* renderer, FrameTexture& texture, const std::uint16_t* frame);

}  // namespace sdlhost
