// The status line, written on the composition canvas as every tick writes it.
#include "frame_scene.h"
#include "platform/gdi.h"
#include "texts/texts.h"

namespace bench {

namespace {

void StatusLine(benchmark::State& state)
{
    FrameScene scene;
    scene.composition.SetTextBkMode(TRANSPARENT);
    scene.composition.SetTextRGB(255, 255, 255);
    Measure(state, scene, [&] { scene.composition.Printf(0, 0, text::StatusLine, 5, 0, 20, 17); });
}
BENCHMARK(StatusLine);

}  // namespace

}  // namespace bench
