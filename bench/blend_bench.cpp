// The per-pixel effects of a frame: 420 shadows at 30 %, the logo added on top, and one step
// of the intro's fade, each in the game's own form and in the plain per-pixel form (which
// must give the same pixels), and the shadows also through SDL's alpha-modulated blit, a
// different arithmetic that serves only as a yardstick of speed.
#include "bench_checks.h"
#include "frame_scene.h"
#include "gfx/reference_blend.h"
#include "sdl_reference.h"

namespace bench {

namespace {

void Shadows(FrameScene& scene)
{
    AtEveryPlace([&](std::int16_t x, std::int16_t y) { scene.cell.BlendPercentTo(scene.composition, x, y, kShadowWeight); });
}

void ShadowsPlain(FrameScene& scene)
{
    AtEveryPlace([&](std::int16_t x, std::int16_t y) { reference::BlendPercent(scene.cell, scene.composition, x, y, kShadowWeight); });
}

void LogoAdd(FrameScene& scene)
{
    scene.logo.BlendAddTo(scene.composition, 370, 0);
}

void LogoAddPlain(FrameScene& scene)
{
    reference::BlendAdd(scene.logo, scene.composition, 370, 0);
}

// The fade goes darker and brighter by turns, so that the picture never settles at black.
void FadeStep(FrameScene& scene)
{
    scene.composition.FadeStep(scene.brightenNext ? 1 : 0);
    scene.brightenNext = !scene.brightenNext;
}

void FadeStepPlain(FrameScene& scene)
{
    reference::Fade(scene.composition, scene.brightenNext);
    scene.brightenNext = !scene.brightenNext;
}

using Effect = void (*)(FrameScene&);

// Times one effect; with a plain twin, first checks that one run of each from the same
// picture gives the same pixels.
void MeasureEffect(benchmark::State& state, Effect effect, Effect twin, int sprites)
{
    FrameScene scene;
    if (twin != nullptr) {
        const Pixels start = Snapshot(scene.composition);
        effect(scene);
        const Pixels fast = Snapshot(scene.composition);
        Restore(scene.composition, start);
        scene.brightenNext = false;
        twin(scene);
        if (!Expect(state, Snapshot(scene.composition) == fast, "the fast and the plain form give other pixels")) return;
    }
    Measure(state, scene, [&] { effect(scene); });
    state.SetItemsProcessed(state.iterations() * sprites);
}

BENCHMARK_CAPTURE(MeasureEffect, ShadowBlends, Shadows, ShadowsPlain, kSpritesPerFrame);
BENCHMARK_CAPTURE(MeasureEffect, ShadowBlendsPlain, ShadowsPlain, nullptr, kSpritesPerFrame);
BENCHMARK_CAPTURE(MeasureEffect, LogoAdd, LogoAdd, LogoAddPlain, 1);
BENCHMARK_CAPTURE(MeasureEffect, LogoAddPlain, LogoAddPlain, nullptr, 1);
BENCHMARK_CAPTURE(MeasureEffect, FadeStep, FadeStep, FadeStepPlain, 1);
BENCHMARK_CAPTURE(MeasureEffect, FadeStepPlain, FadeStepPlain, nullptr, 1);

void ShadowBlendsSdl(benchmark::State& state)
{
    FrameScene scene;
    SdlView cell(scene.cell);
    SdlView composition(scene.composition);
    cell.SetKey(kCellKey);
    cell.SetOpacityPercent(kShadowWeight);
    Measure(state, scene, [&] { AtEveryPlace([&](int x, int y) { cell.BlitTo(composition, x, y); }); });
    state.SetItemsProcessed(state.iterations() * kSpritesPerFrame);
}
BENCHMARK(ShadowBlendsSdl);

}  // namespace

}  // namespace bench
