// What the drawing benchmarks draw with: the display up in 5-6-5, a background and a
// composition canvas of random pixels, a block cell and a logo with keyed pixels among
// theirs, and the 420 places a frame's sprites go.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "gfx/surface.h"

namespace bench {

constexpr int kSpritesPerFrame = 420;
constexpr std::uint16_t kCellKey = 0xF81F;  // magenta, the block cells' key
constexpr std::uint16_t kLogoKey = 0;       // black, the logo's key
constexpr std::uint8_t kShadowWeight = 30;

struct SpritePlace {
    std::int16_t x;
    std::int16_t y;
};

// A grid of 30 x 14 places over the whole screen, the first column and row partly off it.
const std::vector<SpritePlace>& FramePlaces();

// Brings the display up once per program; a member before any surface, so that the
// surfaces are made on a display.
struct DisplayUp {
    DisplayUp();
};

struct FrameScene {
    FrameScene();

    DisplayUp display;
    Canvas composition{640, 480};
    Canvas background{640, 480};
    Surface cell;  // 24 x 16
    Surface logo;  // 268 x 88, as the game's
    bool brightenNext = false;  // the fade's next direction: it goes both ways by turns
};

// Random pixels, about one in eight the key.
void Scatter(Surface& surface, std::uint16_t key, unsigned seed);

}  // namespace bench

namespace bench {

using Pixels = std::vector<std::uint16_t>;

// A picture's pixels, to compare or to put back.
Pixels Snapshot(const Surface& surface);
void Restore(Surface& surface, const Pixels& pixels);

// Calls blit(x, y) at every place of a frame, in order.
template <class Blit>
void AtEveryPlace(Blit blit)
{
    for (const SpritePlace& place : FramePlaces()) blit(place.x, place.y);
}

// Times work on the scene; the composition is what every kind of frame work writes.
template <class Work>
void Measure(benchmark::State& state, const FrameScene& scene, Work work)
{
    for (auto _ : state) {
        work();
        benchmark::DoNotOptimize(scene.composition.pixels);
        benchmark::ClobberMemory();
    }
}

}  // namespace bench
