// One whole frame of a game tick, from the background copy to the present, on a busy well:
// the game started as the player sees it (intro, generated data from the working folder),
// then the walls and 200 locked cells, the piece and the preview drawn with their shadows.
#include <cstdint>
#include <cstdio>

#include "bench_checks.h"
#include "game/board.h"
#include "game/game_tick.h"
#include "game/resources.h"
#include "app/intro.h"
#include "platform/headless/headless.h"

namespace bench {

namespace {

constexpr int kLockedCells = 200;

// Fills the well from the floor up, each row with one gap that moves along, so that no row
// is full; the cells take the seven colours by turns.
void LockCells(int count)
{
    int placed = 0;
    for (int row = kBoardRows - 2; row >= 0 && placed < count; --row) {
        const int gap = 1 + row % 12;
        for (int column = 1; column <= 12 && placed < count; ++column) {
            if (column == gap) continue;
            Board[row * kBoardColumns + column] = static_cast<std::uint8_t>(1 + placed % 7);
            ++placed;
        }
    }
}

int DrawnCells()
{
    int cells = 8;  // the piece and the preview
    for (std::uint8_t value : Board) cells += value != 0 ? 1 : 0;
    return cells;
}

// The game starts once per program; the benchmark itself is run several times over.
bool GameStarted()
{
    static const bool started = [] {
        headless::SetLayout565(true);
        if (RunIntro() != 1) {
            // The message boxes of a failed start say why.
            for (const headless::MessageBoxRecord& box : headless::MessageBoxes())
                std::fprintf(stderr, "%s: %s\n", box.caption.c_str(), box.text.c_str());
            return false;
        }
        LockCells(kLockedCells);
        return true;
    }();
    return started;
}

void TickFrame(benchmark::State& state)
{
    if (!Expect(state, GameStarted(), "the game did not start: run this in the folder of the game's data")) return;

    const int before = headless::PresentCount();
    for (auto _ : state) DrawTickFrame();

    const bool shown = headless::PresentCount() - before == static_cast<int>(state.iterations()) &&
                       SamePixels(headless::LastFrame().data(), CompositionCanvas->pixels, 640 * 480);
    Expect(state, shown, "a frame did not reach the screen as it was composed");
    state.counters["cells"] = DrawnCells();
}
BENCHMARK(TickFrame);

}  // namespace

}  // namespace bench
