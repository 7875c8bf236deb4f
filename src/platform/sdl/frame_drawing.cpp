#include "platform/sdl/frame_drawing.h"

#include <cstddef>
#include <cstring>

#include "platform/sdl/frame_fit.h"
#include "platform/sdl/frame_mailbox.h"

namespace sdlhost {

namespace {

bool ListsFormat(const SDL_RendererInfo& info, Uint32 format)
{
    for (Uint32 i = 0; i < info.num_texture_formats; ++i) {
        if (info.texture_formats[i] == format) {
            return true;
        }
    }
    return false;
}

void FillTexture(const FrameTexture& texture, const std::uint16_t* frame)
{
    void* pixels = nullptr;
    int pitch = 0;
    if (SDL_LockTexture(texture.texture, nullptr, &pixels, &pitch) != 0) {
        return;
    }
    auto* target = static_cast<std::uint8_t*>(pixels);
    for (int y = 0; y < kFrameHeight; ++y) {
        const std::uint16_t* row = frame + static_cast<std::size_t>(y) * kFrameWidth;
        if (texture.layout == TextureLayout::Rgb565) {
            std::memcpy(target, row, kFrameWidth * sizeof(std::uint16_t));
        } else {
            ConvertRow565ToXrgb8888(row, reinterpret_cast<std::uint32_t*>(target), kFrameWidth);
        }
        target += pitch;
    }
    SDL_UnlockTexture(texture.texture);
}

}  // namespace

FrameTexture MakeFrameTexture(SDL_Renderer* renderer)
{
    SDL_RendererInfo info;
    SDL_GetRendererInfo(renderer, &info);
    FrameTexture made;
    // The GPU takes 5-6-5 as it is where the renderer lists it; otherwise it is converted here.
    made.layout = ListsFormat(info, SDL_PIXELFORMAT_RGB565) ? TextureLayout::Rgb565 : TextureLayout::Xrgb8888;
    const Uint32 format = made.layout == TextureLayout::Rgb565 ? SDL_PIXELFORMAT_RGB565 : SDL_PIXELFORMAT_RGB888;
    made.texture = SDL_CreateTexture(renderer, format, SDL_TEXTUREACCESS_STREAMING, kFrameWidth, kFrameHeight);
    if (made.texture != nullptr) {
        // Crisp pixels at any size.
        SDL_SetTextureScaleMode(made.texture, SDL_ScaleModeNearest);
    }
    return made;
}

void DrawFrame(SDL_Renderer* renderer, const FrameTexture& texture, const std::uint16_t* frame)
{
    FillTexture(texture, frame);
    int outputWidth = 0;
    int outputHeight = 0;
    SDL_GetRendererOutputSize(renderer, &outputWidth, &outputHeight);
    const FitRect fit = FitFrame(outputWidth, outputHeight);
    const SDL_Rect target{fit.x, fit.y, fit.width, fit.height};
    SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
    SDL_RenderClear(renderer);
    SDL_RenderCopy(renderer, texture.texture, nullptr, &target);
    SDL_RenderPresent(renderer);
}

}  // namespace sdlhost
