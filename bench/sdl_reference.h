// The same pictures seen through SDL: an RGB565 SDL surface over a Surface's own pixels, so
// that SDL's blitters and ours work on the very same memory and their results compare.
#pragma once

#include <SDL.h>

#include <cstdint>

#include "gfx/surface.h"

namespace bench {

class SdlView {
public:
    explicit SdlView(Surface& picture);
    ~SdlView();
    SdlView(const SdlView&) = delete;
    SdlView& operator=(const SdlView&) = delete;

    // Blits skip pixels equal to key.
    void SetKey(std::uint16_t key);
    // Blits mix in percent of each pixel (SDL's own alpha arithmetic, in 1/255 steps).
    void SetOpacityPercent(int percent);
    void BlitTo(SdlView& dest, int x, int y);

private:
    SDL_Surface* surface_;
};

}  // namespace bench
