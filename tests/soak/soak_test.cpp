// One game of a million ticks under seeded random play, watching that it neither grows nor
// breaks: every 10,000 ticks the resident memory must be within 1 MiB of what it was at tick
// 10,000, and the well must hold its walls, its floor, only cells of the seven types and a
// real piece in play.
// Every piece is the upright straight one, dropped where the well is lowest, so rows keep
// burning and exploding all run long; random sweeps, turns, sensitivity taps and messages
// the game does not answer go around it.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "app/win_main.h"
#include "common/scratch_dir.h"
#include "game/board.h"
#include "game/game_tick.h"
#include "platform/feed.h"
#include "platform/headless/headless.h"

namespace {

constexpr long kTicks = 1'000'000;
constexpr long kCheckEvery = 10'000;
constexpr long kMostGrowth = 1024 * 1024;

long ResidentBytes() {
    long pages = 0, resident = -1;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return resident * sysconf(_SC_PAGESIZE);
}

int BrokenCells() {
    int broken = 0;
    for (int r = 0; r < kBoardRows; ++r)
        for (int c = 0; c < kBoardColumns; ++c) {
            const std::uint8_t cell = Board[r * kBoardColumns + c];
            const bool wall = c == 0 || c == kBoardColumns - 1 || r == kBoardRows - 1;
            broken += wall ? cell != kWallCell : cell >= kWallCell;
        }
    return broken + (FallingPiece.type >= kPieceTypes || FallingPiece.nextType >= kPieceTypes ||
                     FallingPiece.rotation >= kRotations);
}

// The lowest play column, the first of them from a random start.
int LowestColumn(int start) {
    int best = 1, bestHeight = kBoardRows;
    for (int n = 0; n < kBoardColumns - 2; ++n) {
        const int c = 1 + (start + n) % (kBoardColumns - 2);
        int r = 0;
        while (r < kBoardRows - 1 && Board[r * kBoardColumns + c] == 0) ++r;
        if (kBoardRows - 1 - r < bestHeight) best = c, bestHeight = kBoardRows - 1 - r;
    }
    return best;
}

}  // namespace

TEST(Soak, AMillionTicksInConstantMemoryWithTheWellIntact) {
    const ScratchDir folder;
    for (const auto& entry : std::filesystem::directory_iterator(TUMBLOX_RUN_DIR))
        if (entry.is_regular_file()) std::filesystem::copy_file(entry.path(), folder.path / entry.path().filename());
    std::ofstream shapes(folder.path / "Block.Dat");
    for (int n = 0; n < kPieceTypes * kRotations; ++n) shapes << "1 0 0 0\n1 0 0 0\n1 0 0 0\n1 0 0 0\n\n";
    shapes.close();
    ASSERT_EQ(chdir(folder.path.c_str()), 0);

    std::mt19937 random(20261207);
    const auto chance = [&](unsigned oneIn) { return random() % oneIn == 0; };
    long ticks = 0, baseline = 0;
    int target = kSpawnColumn;
    std::int16_t lastRow = 0, lastTickCounter = TickControl.tickCounter;
    bool held = false;
    headless::OnPresent([&](int, const std::uint16_t*) {
        // The frames of a row clear are presented inside one tick.
        if (TickControl.tickCounter == lastTickCounter) return;
        lastTickCounter = TickControl.tickCounter;
        ++ticks;
        if (FallingPiece.row < lastRow) target = LowestColumn(static_cast<int>(random() % 10));
        lastRow = FallingPiece.row;
        // One column a tick towards the target, by the travel this tick will step by, then down.
        const int sensitivity = TickControl.mouseSensitivity;
        const int travel = MouseState.currentX - MouseState.referenceX;
        const int column = FallingPiece.column + (travel > sensitivity ? 1 : travel < -sensitivity ? -1 : 0);
        const int step = column < target ? 1 : column > target ? -1 : 0;
        FeedMouseMotion(step * (sensitivity + 1) + (chance(25) ? static_cast<int>(random() % 121) - 60 : 0), 0);
        if ((step == 0 && !chance(10)) != held) FeedKey(VK_LBUTTON, held = !held);
        for (const auto& [oneIn, key] : {std::pair{15u, VK_RBUTTON}, {400u, sensitivity > 40 ? VK_NEXT : sensitivity < 8 || random() % 2 ? VK_PRIOR : VK_NEXT}})
            if (chance(oneIn)) FeedKey(key, true), FeedKey(key, false);
        if (chance(3000)) FeedMessage(0x0112, 0xF060, 0);  // the system menu's close
        if (chance(3000)) FeedMessage(1300 + static_cast<UINT>(random() % 60000), 0, 0);
        if (ticks % kCheckEvery != 0) return;

        headless::ClearRecords();  // the backend's records are for short tests
        const long resident = ResidentBytes();
        if (ticks == kCheckEvery) baseline = resident;
        EXPECT_LE(resident - baseline, kMostGrowth) << "at tick " << ticks;
        EXPECT_EQ(BrokenCells(), 0) << "at tick " << ticks;
        if (ticks % (10 * kCheckEvery) == 0) std::printf("tick %ld: %+ld KiB\n", ticks, (resident - baseline) / 1024);
        if (ticks == kTicks) FeedMessage(WM_CLOSE, 0, 0);
    });

    EXPECT_EQ(WinMain(ThisModule(), nullptr, nullptr, SW_SHOWDEFAULT), 0);
    const long clearing = headless::PresentCount() - ticks - 7;  // the intro's frames aside
    std::printf("%ld ticks, %ld frames clearing rows; resident at tick %ld: %ld KiB\n", ticks, clearing, kCheckEvery,
                baseline / 1024);
    EXPECT_GE(ticks, kTicks);
    EXPECT_GT(clearing, 0) << "no row was ever cleared";
    EXPECT_GT(baseline, 0);
}
