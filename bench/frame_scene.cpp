#include "frame_scene.h"

#include <algorithm>
#include <cstdlib>
#include <random>

#include "gfx/display.h"
#include "platform/headless/headless.h"

namespace bench {

DisplayUp::DisplayUp()
{
    static const bool up = [] {
        headless::SetLayout565(true);
        return InitDisplay() == 1;
    }();
    if (!up) std::abort();
}

const std::vector<SpritePlace>& FramePlaces()
{
    static const std::vector<SpritePlace> places = [] {
        std::vector<SpritePlace> all;
        for (int i = 0; i < kSpritesPerFrame; ++i)
            all.push_back({static_cast<std::int16_t>((i % 30) * 22 - 8), static_cast<std::int16_t>((i / 30) * 34 - 4)});
        return all;
    }();
    return places;
}

void Scatter(Surface& surface, std::uint16_t key, unsigned seed)
{
    std::mt19937 random(seed);
    for (int i = 0; i < surface.width * surface.height; ++i)
        surface.pixels[i] = random() % 8 == 0 ? key : static_cast<std::uint16_t>(random());
}

FrameScene::FrameScene()
{
    cell.Create(24, 16);
    Scatter(cell, kCellKey, 1);
    cell.SetColorKey(kCellKey);
    logo.Create(268, 88);
    Scatter(logo, kLogoKey, 2);
    logo.SetColorKey(kLogoKey);
    Scatter(background, 0, 3);
    Scatter(composition, 0, 4);
    if (!composition.Usable() || !background.Usable() || !cell.Usable() || !logo.Usable()) std::abort();
}

}  // namespace bench

namespace bench {

Pixels Snapshot(const Surface& surface)
{
    return Pixels(surface.pixels, surface.pixels + surface.width * surface.height);
}

void Restore(Surface& surface, const Pixels& pixels)
{
    std::copy(pixels.begin(), pixels.end(), surface.pixels);
}

}  // namespace bench
