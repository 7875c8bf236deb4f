#include "sdl_reference.h"

#include <cstdlib>

namespace bench {

SdlView::SdlView(Surface& picture)
    : surface_(SDL_CreateRGBSurfaceWithFormatFrom(picture.pixels, picture.width, picture.height, 16, picture.pitch,
                                                  SDL_PIXELFORMAT_RGB565))
{
    if (surface_ == nullptr) std::abort();
}

SdlView::~SdlView()
{
    SDL_FreeSurface(surface_);
}

void SdlView::SetKey(std::uint16_t key)
{
    SDL_SetColorKey(surface_, SDL_TRUE, key);
}

void SdlView::SetOpacityPercent(int percent)
{
    SDL_SetSurfaceBlendMode(surface_, SDL_BLENDMODE_BLEND);
    SDL_SetSurfaceAlphaMod(surface_, static_cast<Uint8>((percent * 255 + 50) / 100));
}

void SdlView::BlitTo(SdlView& dest, int x, int y)
{
    // SDL clips the destination rectangle in place: a fresh one for every blit.
    SDL_Rect place{x, y, surface_->w, surface_->h};
    SDL_BlitSurface(surface_, nullptr, dest.surface_, &place);
}

}  // namespace bench
