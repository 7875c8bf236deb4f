// Rectangle copies: the background onto the composition canvas beside the plain memory
// copy of a frame, and a frame's worth of keyed block cells beside SDL's keyed blit.
#include <cstring>

#include "bench_checks.h"
#include "frame_scene.h"
#include "sdl_reference.h"

namespace bench {

namespace {

constexpr std::size_t kFrameBytes = 640 * 480 * sizeof(std::uint16_t);

void FrameCopy(benchmark::State& state)
{
    FrameScene scene;
    Measure(state, scene, [&] { scene.background.BlitTo(scene.composition, 0, 0); });
    Expect(state, SamePixels(scene.composition.pixels, scene.background.pixels, 640 * 480),
           "the copied frame differs from the background");
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kFrameBytes));
}
BENCHMARK(FrameCopy);

void FrameMemcpy(benchmark::State& state)
{
    FrameScene scene;
    Measure(state, scene, [&] { std::memcpy(scene.composition.pixels, scene.background.pixels, kFrameBytes); });
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kFrameBytes));
}
BENCHMARK(FrameMemcpy);

void KeyedBlits(benchmark::State& state)
{
    FrameScene scene;
    Measure(state, scene, [&] { AtEveryPlace([&](std::int16_t x, std::int16_t y) { scene.cell.BlitTo(scene.composition, x, y); }); });
    state.SetItemsProcessed(state.iterations() * kSpritesPerFrame);
}
BENCHMARK(KeyedBlits);

void KeyedBlitsSdl(benchmark::State& state)
{
    FrameScene scene;
    SdlView cell(scene.cell);
    SdlView composition(scene.composition);
    cell.SetKey(kCellKey);
    const auto sdlFrame = [&] { AtEveryPlace([&](int x, int y) { cell.BlitTo(composition, x, y); }); };

    // Both ways from the same start must give the same picture, or the race is not fair.
    const Pixels start = Snapshot(scene.composition);
    AtEveryPlace([&](std::int16_t x, std::int16_t y) { scene.cell.BlitTo(scene.composition, x, y); });
    const Pixels ours = Snapshot(scene.composition);
    Restore(scene.composition, start);
    sdlFrame();
    if (!Expect(state, Snapshot(scene.composition) == ours, "SDL's keyed blits give another picture")) return;

    Measure(state, scene, sdlFrame);
    state.SetItemsProcessed(state.iterations() * kSpritesPerFrame);
}
BENCHMARK(KeyedBlitsSdl);

}  // namespace

}  // namespace bench
