// One game of a million ticks under seeded random play: mouse sweeps, clicks, turns,
// sensitivity taps, and now and then a close attempt the game does not answer (the system
// menu's close, messages beyond its table). Every 10,000 ticks the resident memory must be
// within 1 MiB of what it was at tick 10,000, and the well must hold: walls and floor in
// place, locked cells only of the seven types, the piece in play of a real type and turn.
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <random>

#include "app/win_main.h"
#include "game/board.h"
#include "game/game_tick.h"
#include "platform/feed.h"
#include "platform/headless/headless.h"

namespace {

constexpr long kTicks = 1'000'000;
constexpr long kCheckEvery = 10'000;
constexpr long kMostGrowth = 1024 * 1024;
constexpr UINT kSysCommand = 0x0112;  // WM_SYSCOMMAND
constexpr WPARAM kSysClose = 0xF060;  // SC_CLOSE: Alt+F4 or the title bar's close
constexpr UINT kBeyondTable = 1300;   // past every entry of the message table

long ResidentBytes() {
    long pages = 0, resident = 0;
    std::FILE* statm = std::fopen("/proc/self/statm", "r");
    if (statm == nullptr) return -1;
    const int read = std::fscanf(statm, "%ld %ld", &pages, &resident);
    std::fclose(statm);
    return read == 2 ? resident * sysconf(_SC_PAGESIZE) : -1;
}

// The well's promises, as one line per broken one.
std::string WellFaults() {
    std::string faults;
    for (int r = 0; r < kBoardRows; ++r) {
        for (int c = 0; c < kBoardColumns; ++c) {
            const std::uint8_t cell = Board[r * kBoardColumns + c];
            const bool wall = c == 0 || c == kBoardColumns - 1 || r == kBoardRows - 1;
            if (wall ? cell != kWallCell : cell >= kWallCell) {
                faults += "cell " + std::to_string(r) + "," + std::to_string(c) + " holds " + std::to_string(cell) + "\n";
            }
        }
    }
    if (FallingPiece.type < 0 || FallingPiece.type >= kPieceTypes || FallingPiece.nextType < 0 ||
        FallingPiece.nextType >= kPieceTypes || FallingPiece.rotation < 0 || FallingPiece.rotation >= kRotations) {
        faults += "the piece in play is type " + std::to_string(FallingPiece.type) + " turn " +
                  std::to_string(FallingPiece.rotation) + ", next " + std::to_string(FallingPiece.nextType) + "\n";
    }
    return faults;
}

// The player: a mouse that sweeps at a speed that changes now and then, buttons pressed and
// let go, the sensitivity keys tapped, and the occasional close attempt.
class RandomPlayer {
public:
    void Play() {
        if (Chance(40)) sweep_ = Between(-40, 40);
        FeedMouseMotion(sweep_, Between(-3, 3));
        if (Chance(12)) {
            leftDown_ = !leftDown_;
            FeedKey(VK_LBUTTON, leftDown_);
        }
        if (Chance(15)) Tap(VK_RBUTTON);
        if (Chance(700)) Tap(VK_PRIOR);
        if (Chance(700)) Tap(VK_NEXT);
        if (Chance(3000)) FeedMessage(kSysCommand, kSysClose, 0);
        if (Chance(3000)) FeedMessage(kBeyondTable + static_cast<UINT>(Between(0, 60000)), 0, 0);
    }

private:
    bool Chance(int oneIn) { return std::uniform_int_distribution<int>(1, oneIn)(random_) == 1; }
    int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
    void Tap(int key) {
        FeedKey(key, true);
        FeedKey(key, false);
    }

    std::mt19937 random_{20261207};
    int sweep_ = 0;
    bool leftDown_ = false;
};

}  // namespace

TEST(Soak, AMillionTicksInConstantMemoryWithTheWellIntact) {
    ASSERT_EQ(chdir(TUMBLOX_RUN_DIR), 0) << "the game reads its data from " << TUMBLOX_RUN_DIR;
    headless::SetLayout565(true);

    RandomPlayer player;
    long ticks = 0;
    long baseline = 0, mostGrowth = 0;
    std::int16_t lastTickCounter = TickControl.tickCounter;
    const auto started = std::chrono::steady_clock::now();
    headless::OnPresent([&](int, const std::uint16_t*) {
        // Every tick counts up its counter before it presents; the frames of a row clear are
        // presented inside one tick and leave it as it is.
        if (TickControl.tickCounter == lastTickCounter) return;
        lastTickCounter = TickControl.tickCounter;
        ++ticks;
        player.Play();
        if (ticks % kCheckEvery != 0) return;

        // The backend's own record of boxes and sounds is for short tests, not the game's memory.
        headless::ClearRecords();
        const long resident = ResidentBytes();
        if (ticks == kCheckEvery) baseline = resident;
        mostGrowth = std::max(mostGrowth, resident - baseline);
        EXPECT_LE(resident - baseline, kMostGrowth) << "at tick " << ticks;
        const std::string faults = WellFaults();
        EXPECT_EQ(faults, "") << "at tick " << ticks;
        if (ticks % (10 * kCheckEvery) == 0) {
            std::printf("tick %ld: resident %ld KiB, %+ld KiB since tick %ld\n", ticks, resident / 1024,
                        (resident - baseline) / 1024, kCheckEvery);
            std::fflush(stdout);
        }
        if (ticks == kTicks) FeedMessage(WM_CLOSE, 0, 0);
    });

    EXPECT_EQ(WinMain(ThisModule(), nullptr, nullptr, SW_SHOWDEFAULT), 0);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::printf("%ld ticks, %d frames in %.1f s; resident at tick %ld: %ld KiB, most growth after: %ld KiB\n",
                ticks, headless::PresentCount(), seconds, kCheckEvery, baseline / 1024, mostGrowth / 1024);
    EXPECT_GE(ticks, kTicks);
    EXPECT_GT(baseline, 0);
}
