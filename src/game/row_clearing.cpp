#include "game/row_clearing.h"

#include "game/board.h"
#include "game/resources.h"
#include "game/well_drawing.h"
#include "platform/crt_random.h"
#include "platform/mmtimer.h"
#include "sound/sounds.h"

namespace {

constexpr int kFirstPlayColumn = 1;
constexpr int kLastPlayColumn = kBoardColumns - 2;
constexpr int kPlayRows = kBoardRows - 1;  // the floor is never scanned
constexpr int kFlashPasses = 5;
constexpr std::uint16_t kFlashWaitMs = 10;
constexpr std::uint16_t kFlameWaitMs = 2;
constexpr int kFlameLeftOffset = -2;  // two flames per cell, standing 6 px above it
constexpr int kFlameRightOffset = 10;
constexpr int kFlameRise = 6;
constexpr std::int16_t kExplosionRows = 4;
constexpr int kExplosionSpots = 10;
constexpr int kExplosionXRange = 511;
constexpr int kExplosionYRange = 351;
constexpr std::uint16_t kExplosionWaitMs = 10;
constexpr int kBannerX = 30;
constexpr int kBannerY = 100;

std::uint8_t& Cell(int row, int column) {
    return Board[row * kBoardColumns + column];
}

bool RowIsFull(int row) {
    for (int c = kFirstPlayColumn; c <= kLastPlayColumn; ++c) {
        if (Cell(row, c) == 0) {
            return false;
        }
    }
    return true;
}

// One pass over the row's cells on the composition canvas, with the given drawing.
void DrawRowCells(int row, void (*draw)(Surface*, Surface*, int, int)) {
    for (int c = kFirstPlayColumn; c <= kLastPlayColumn; ++c) {
        draw(CellSprite(Cell(row, c)), CompositionCanvas, CellX(c), CellY(row));
    }
}

// A canvas whose picture could not be made is left out of the drawing; the Board is
// updated all the same.
Canvas* UsableOrNull(Canvas& canvas) {
    return canvas.surface != nullptr ? &canvas : nullptr;
}

void MoveRowsDown(int row) {
    for (int rr = row; rr >= 1; --rr) {
        for (int c = kFirstPlayColumn; c <= kLastPlayColumn; ++c) {
            Cell(rr, c) = Cell(rr - 1, c);
        }
    }
    for (int c = kFirstPlayColumn; c <= kLastPlayColumn; ++c) {
        Cell(0, c) = 0;
    }
}

struct SpotPosition {
    int x;
    int y;
};

void Explode(Canvas* scratch) {
    SpotPosition spots[kExplosionSpots];
    for (SpotPosition& spot : spots) {
        spot.x = crt::rand() % kExplosionXRange;
        spot.y = crt::rand() % kExplosionYRange;
    }
    FSOUND_PlaySound(FSOUND_FREE, SampleExplo);
    for (Surface* explosion : ExplosionFrames) {
        DrawSprite(CompositionCanvas, scratch, 0, 0);
        for (const SpotPosition& spot : spots) {
            AddSprite(explosion, scratch, spot.x, spot.y);
        }
        AddSprite(ComboSprite, scratch, kBannerX, kBannerY);
        PresentCanvas(scratch);
        WaitMs(kExplosionWaitMs);
    }
}

}  // namespace

void CheckFullRows() {
    Canvas scratchCanvas(kScreenWidth, kScreenHeight);
    Canvas* scratch = UsableOrNull(scratchCanvas);
    std::int16_t removed = 0;
    for (int r = 0; r < kPlayRows; ++r) {
        if (!RowIsFull(r)) {
            continue;
        }
        FSOUND_PlaySound(FSOUND_FREE, SampleAlpha);
        for (int pass = 0; pass < kFlashPasses; ++pass) {
            DrawRowCells(r, AddSprite);
            PresentCanvas(CompositionCanvas);
            WaitMs(kFlashWaitMs);
        }
        DrawRowCells(r, DrawSprite);
        ClearRow(static_cast<std::int16_t>(r));
        ++removed;
    }
    if (removed >= kExplosionRows) {
        Explode(scratch);
    }
}

void ClearRow(std::int16_t row) {
    Canvas scratchCanvas(kScreenWidth, kScreenHeight);
    Canvas* scratch = UsableOrNull(scratchCanvas);
    DrawSprite(CompositionCanvas, scratch, 0, 0);
    const int flameY = CellY(row) - kFlameRise;
    for (Surface* flame : FlameFrames) {
        FSOUND_PlaySound(FSOUND_FREE, SampleFlame);
        for (int c = kFirstPlayColumn; c <= kLastPlayColumn; ++c) {
            AddSprite(flame, scratch, CellX(c) + kFlameLeftOffset, flameY);
            AddSprite(flame, scratch, CellX(c) + kFlameRightOffset, flameY);
        }
        PresentCanvas(scratch);
        WaitMs(kFlameWaitMs);
        DrawSprite(CompositionCanvas, scratch, 0, 0);
    }
    for (int pass = 0; pass < kFlashPasses; ++pass) {
        DrawRowCells(row, AddSprite);
    }
    PresentCanvas(CompositionCanvas);
    MoveRowsDown(row);
}

void WaitMs(std::uint16_t ms) {
    const DWORD start = timeGetTime();
    while (static_cast<DWORD>(timeGetTime() - start) < ms) {
    }
}
