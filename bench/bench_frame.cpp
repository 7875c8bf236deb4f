// One frame's drawing work: the 30 % shadows of the well's cells, the logo added on top, the
// background copied onto the composition canvas, and one step of the intro's fade. The
// blends and the fade run both in the game's own fast form and in the plain per-pixel form.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <random>

#include "gfx/display.h"
#include "gfx/surface.h"
#include "gfx/reference_blend.h"
#include "platform/headless/headless.h"

namespace {

constexpr int kShadowsPerFrame = 420;

// The display comes up once, in 5-6-5, for the whole run.
void BringUpDisplay()
{
    static const bool up = [] {
        headless::SetLayout565(true);
        return InitDisplay() == 1;
    }();
    if (!up) std::abort();
}

// Random pixels with about one in eight the key, like a cell with its transparent corners.
void Scatter(Surface& s, std::uint16_t key, unsigned seed)
{
    std::mt19937 random(seed);
    for (int i = 0; i < s.width * s.height; ++i)
        s.pixels[i] = random() % 8 == 0 ? key : static_cast<std::uint16_t>(random());
}

struct Frame {
    Canvas composition{640, 480};
    Canvas background{640, 480};
    Surface cell;
    Surface logo;

    Frame()
    {
        BringUpDisplay();
        cell.Create(24, 16);
        Scatter(cell, 0xF81F, 1);
        cell.SetColorKey(0xF81F);
        logo.Create(268, 140);
        Scatter(logo, 0, 2);
        logo.SetColorKey(0);
        Scatter(background, 0, 3);
        Scatter(composition, 0, 4);
    }

    // The shadows fall over the well and the preview, some of them partly off the canvas.
    template <class Blend>
    void Shadows(Blend blend)
    {
        for (int i = 0; i < kShadowsPerFrame; ++i) {
            const auto x = static_cast<std::int16_t>((i % 30) * 22 - 8);
            const auto y = static_cast<std::int16_t>((i / 30) * 34 - 4);
            blend(x, y);
        }
    }
};

void ShadowBlends(benchmark::State& state)
{
    Frame frame;
    for (auto _ : state) {
        frame.Shadows([&](std::int16_t x, std::int16_t y) { frame.cell.BlendPercentTo(frame.composition, x, y, 30); });
        benchmark::DoNotOptimize(frame.composition.pixels[0]);
    }
    state.SetItemsProcessed(state.iterations() * kShadowsPerFrame);
}
BENCHMARK(ShadowBlends);

void ShadowBlendsPlain(benchmark::State& state)
{
    Frame frame;
    for (auto _ : state) {
        frame.Shadows([&](std::int16_t x, std::int16_t y) { reference::BlendPercent(frame.cell, frame.composition, x, y, 30); });
        benchmark::DoNotOptimize(frame.composition.pixels[0]);
    }
    state.SetItemsProcessed(state.iterations() * kShadowsPerFrame);
}
BENCHMARK(ShadowBlendsPlain);

void LogoAdd(benchmark::State& state)
{
    Frame frame;
    for (auto _ : state) {
        frame.logo.BlendAddTo(frame.composition, 350, 10);
        benchmark::DoNotOptimize(frame.composition.pixels[0]);
    }
}
BENCHMARK(LogoAdd);

void LogoAddPlain(benchmark::State& state)
{
    Frame frame;
    for (auto _ : state) {
        reference::BlendAdd(frame.logo, frame.composition, 350, 10);
        benchmark::DoNotOptimize(frame.composition.pixels[0]);
    }
}
BENCHMARK(LogoAddPlain);

void BackgroundBlit(benchmark::State& state)
{
    Frame frame;
    for (auto _ : state) {
        frame.background.BlitTo(frame.composition, 0, 0);
        benchmark::DoNotOptimize(frame.composition.pixels[0]);
    }
}
BENCHMARK(BackgroundBlit);

void Fade(benchmark::State& state)
{
    Frame frame;
    std::uint8_t brighten = 0;
    for (auto _ : state) {
        frame.background.FadeStep(brighten);
        brighten ^= 1;
        benchmark::DoNotOptimize(frame.background.pixels[0]);
    }
}
BENCHMARK(Fade);

void FadePlain(benchmark::State& state)
{
    Frame frame;
    bool brighten = false;
    for (auto _ : state) {
        reference::Fade(frame.background, brighten);
        brighten = !brighten;
        benchmark::DoNotOptimize(frame.background.pixels[0]);
    }
}
BENCHMARK(FadePlain);

}  // namespace
